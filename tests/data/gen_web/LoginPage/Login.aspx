<%@ Page Language="C#" MasterPageFile="~/Themes/UI/Main.master" EnableEventValidation="false" AutoEventWireup="true" CodeBehind="Login.aspx.cs" Inherits="Shop.Login"%>

<asp:Content ID="Content1" ContentPlaceHolderID="KestraneWeavoContent" runat="server">
	<script language="JavaScript" src="../../includes/JS/simplecalendar.js" type="text/javascript"></script>
	<script language="JavaScript" src="../../includes/JS/Ajax.js" type="text/javascript"></script>
	<script language="JavaScript" src="../../includes/JS/validate.js" type="text/javascript"></script>
	<script language="JavaScript" src="../../includes/JS/EditableCombo.js" type="text/javascript"></script>
	<script language="JavaScript" src="../../includes/JS/Report.js" type="text/javascript"></script>

	<h3 class="heading">Login</h3>
	<table class="LoginTable">
		<tr>
			<td colspan = "4">
				<asp:Label ID="errorMsg" runat="server" Text=""></asp:Label>
			</td>
		</tr>
		<tr>
			<td></td>
			<td class = "TDClassLabel"> User Name<label class="CompulsaryLabel">*</label> </td>
			<td class = "TDClassControl">
				<asp:TextBox CssClass ="TextControl" id="user_name" maxlength = "80" runat="server"></asp:TextBox>
			</td>
			<td></td>
		</tr>
		<tr>
			<td></td>
			<td class = "TDClassLabel"> Password<label class="CompulsaryLabel">*</label> </td>
			<td class = "TDClassControl">
				<input type="password" id="password" runat="server" class = "TextControl"/>
			</td>
			<td></td>
		</tr>
		<tr><td></td></tr>
		<tr><td></td></tr>
		<tr>
			<td align="center" colspan="4">
				<asp:Button ID="Log_in" runat="server" CssClass="ButtonControl" OnClick="Log_in_Click" Text="Login"/>
			</td>
		</tr>
</table>
</asp:Content>
