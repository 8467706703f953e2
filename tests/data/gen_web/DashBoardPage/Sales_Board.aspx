<%@ Page Language="C#" MasterPageFile="~/Themes/UI/Main.master" EnableEventValidation="false" AutoEventWireup="true" CodeBehind="Sales_Board.aspx.cs" Inherits="Shop.Sales_Board"%>

<asp:Content ID="Content1" ContentPlaceHolderID="KestraneWeavoContent" runat="server">
	<script language="JavaScript" src="../../includes/JS/simplecalendar.js" type="text/javascript"></script>
	<script language="JavaScript" src="../../includes/JS/Ajax.js" type="text/javascript"></script>
	<script language="JavaScript" src="../../includes/JS/validate.js" type="text/javascript"></script>
	<script language="JavaScript" src="../../includes/JS/EditableCombo.js" type="text/javascript"></script>
	<script language="JavaScript" src="../../includes/JS/Report.js" type="text/javascript"></script>
	<script type="text/javascript" language="javascript">

	</script>

	<table cellpadding = "0" cellspacing= "0" style="width:100%">
	<tr>
	<td align="Right" valign="middle" class="LinkControl" style="width:100%; height: 14px"><asp:HyperLink CssClass= "Back_LogoutLink" id= "MyAccountLink" runat="server" NavigateUrl="../../BaseModule/UI/ChangePassword_formUpdate.aspx">My Account</asp:HyperLink>&nbsp;&nbsp;<asp:HyperLink CssClass= "Back_LogoutLink" id= "LogoutLink" runat="server" NavigateUrl="../../BaseModule/UI/Login.aspx">Logout</asp:HyperLink>
	</td>
	</tr>
	</table>

<br/>
<h3 class="heading">Sales Overview</h3>
	<div id = "messageDiv" class = "MessageClass"> </div>
	<table class="TableClass" cellspacing="1" >
		<tr><td>
		<table class="DashBoardTable" cellspacing="1">
			<tr><td class="DashBoardNameTD" colspan="3">Today's Summary</td></tr>
			<tr>
				<td class = "DashBoardCell" width="33%"> Welcome </td>
				<td class = "DashBoardCell" width="33%"><asp:HyperLink ID="Stock_Board_view" CssClass= "LinkControl" runat="server" NavigateUrl="../../Stock/UI/Stock_&amp;_Reorders.aspx"> Stock-Board view</asp:HyperLink></td>
			</tr>
			<tr>
				<td class = "DashBoardCell" width="33%">  </td>
				<td class = "DashBoardCell" width="33%"> &nbsp; </td>
				<td class = "DashBoardCell" width="33%">
					<table class="DashBoardTable" cellspacing="1">
						<tr>
							<td class = "DashBoardCell" width="50%"><asp:HyperLink ID="Nested_link" CssClass= "LinkControl" runat="server" NavigateUrl="../../Stock/UI/Stock_&amp;_Reorders.aspx">Nested link</asp:HyperLink></td>
							<td class = "DashBoardCell" width="50%"> Inner </td>
						</tr>
					</table>
				</td>
			</tr>
		</table>
		</td></tr>
		<tr><td>&nbsp;</td></tr>
		<tr><td>
		<table class="DashBoardTable" cellspacing="1">
			<tr>
				<td class = "DashBoardCell" width="100%"> &nbsp; </td>
			</tr>
		</table>
		</td></tr>
		<tr><td>&nbsp;</td></tr>
		<tr><td>
		<table class="DashBoardTable" cellspacing="1">
			<tr><td class="DashBoardNameTD" colspan="1">Nothing yet</td></tr>
		</table>
		</td></tr>
		<tr><td>&nbsp;</td></tr>
		<tr><td>
		</td></tr>
		<tr><td>&nbsp;</td></tr>
	</table>
	</asp:Content>
