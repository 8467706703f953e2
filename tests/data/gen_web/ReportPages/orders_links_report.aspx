<%@ Page Language="C#" MasterPageFile="~/Themes/UI/Main.master" EnableEventValidation="false" AutoEventWireup="true" CodeBehind="orders_links_report.aspx.cs" Inherits="Shop.orders_links_report"%>

<asp:Content ID="Content1" ContentPlaceHolderID="KestraneWeavoContent" runat="server">
<script language="JavaScript" src="../../includes/JS/simplecalendar.js" type="text/javascript"></script>
<script language="JavaScript" src="../../includes/JS/Ajax.js" type="text/javascript"></script>
<script language="JavaScript" src="../../includes/JS/validate.js" type="text/javascript"></script>
<script language="JavaScript" src="../../includes/JS/EditableCombo.js" type="text/javascript"></script>
<script language="JavaScript" src="../../includes/JS/Report.js" type="text/javascript"></script>
<script type="text/javascript" language="javascript">

function HandleAction(formAction, recomputeParentControlName)
{
	var formName = document.aspnetForm;
	var sBody = getRequestBody(formName, formAction);

	if(formAction == 'SHOW')
	{
		if(!ValidateData())
			return;
	}
	httpRequest = getXMLHTTPRequest();
	httpRequest.onreadystatechange = function()
	{
		if (httpRequest.readyState == 4)
		{
			if (httpRequest.status == 200)
			{
				var doc;
				doc = httpRequest.responseXML;
				if(doc)
				{
					if(formAction.search(/RECOMPUTE/) != -1)
					{
					}
					else
					{
						updateReport(httpRequest, 'ctl00_KestraneWeavoContent_reportDiv');
						if(!getMessageString(doc, 'messageDiv', 'messageDiv'))
							resetAllControls();
					}
				}
			}
		}
	}
	httpRequest.open('POST', 'orders_links_report.aspx', true);
	httpRequest.setRequestHeader("Content-Type", "application/x-www-form-urlencoded");
	httpRequest.send(sBody);
}
function ValidateData()
{
	var formName = document.aspnetForm;
	return true;
}
</script>
<table cellpadding = "0" cellspacing= "0" style="width:100%">
<tr>
<td align="Right" valign="middle" class="LinkControl" style="width:100%; height: 14px"><asp:HyperLink CssClass= "Back_LogoutLink" id= "MyAccountLink" runat="server" NavigateUrl="../../BaseModule/UI/ChangePassword_formUpdate.aspx">My Account</asp:HyperLink>&nbsp;&nbsp;<asp:HyperLink CssClass= "Back_LogoutLink" id= "LogoutLink" runat="server" NavigateUrl="../../BaseModule/UI/Login.aspx">Logout</asp:HyperLink>
</td>
</tr>
</table>

<br/><table cellspacing="0" class="MenuTable">
	<tr>
		<td class="MenuPadding">
		<asp:Menu ID="Menu1" runat="server" StaticMenuItemStyle-CssClass="menuFirstLevel" Orientation="Horizontal" DynamicMenuItemStyle-CssClass="menuSecondLevel">
	</asp:Menu>
</td>
</tr>
</table>

<br/>
<h3 class="heading">Orders &amp; "links" &lt;all&gt;</h3>
<table align="center" width="98%">
<tr>
	<td></td>
	<td></td>
	<td></td>
	</tr>
</table>
<table class="TableClass" cellspacing="1" >
	<tr>
		<td class = "TDClassLabel" >  </td>
		<td class = "TDClassControl" >
		<table border = "0" cellspacing = "0" cellpadding = "0">
			<tr>
				<td>
				<asp:HiddenField ID="hide_customer_id" runat="server"/>
				<div  onkeyup  ="fn_SearchCombo(ctl00_KestraneWeavoContent_customer_id_editable,ctl00_KestraneWeavoContent_hide_customer_id,ctl00_KestraneWeavoContent_customer_id,'div_customer_id');" onkeydown="fn_NevigateSearchCombo(ctl00_KestraneWeavoContent_customer_id_editable,ctl00_KestraneWeavoContent_hide_customer_id,ctl00_KestraneWeavoContent_customer_id,'div_customer_id'); ">
				<asp:TextBox CssClass="EditableComboControl" id="customer_id_editable" runat="server" > </asp:TextBox>
				<a href="#" onclick="showHideList('div_customer_id');" ><img class="EditableComboImage" src="../../includes/images/EditableComboButton.bmp"/></a>
				</div>
				<div style="width:0px">
				<div id="div_customer_id" style="display:none;position:absolute;z-index:+1;" onmouseout="hideList(this);"  onclick= "handleClickOnList(ctl00_KestraneWeavoContent_customer_id_editable,ctl00_KestraneWeavoContent_customer_id, this);" >
				<asp:ListBox CssClass="EditableComboList" ID="customer_id" runat="server"> </asp:ListBox>
				</div>
				</div>
				</td>
			</tr>
		</table>
		</td>
		<td class = "TDClassLabel" >  </td>
		<td class = "TDClassControl" >
		<asp:RadioButtonList  CssClass = "RadioControl" ID= "status" runat="server"  RepeatDirection="Horizontal">
			<asp:ListItem Value="" Selected="True"></asp:ListItem>
		</asp:RadioButtonList>
		</td>
	</tr>
	<tr>
		<td class ="TDClassLabel" >  </td>
		<td class = "TDClassControl" >
			<input type="text" class= "CalenderBoxControl" id = "odate" runat="server" onkeyup="date_dash(this,event)" onkeydown="date_dash(this,event)"/> <a href="javascript: void(0);" onmouseover="if (timeoutId) clearTimeout(timeoutId);window.status='Show Calendar';return true;"onmouseout="if (timeoutDelay) calendarTimeout();window.status='';" onclick="g_Calendar.show(event,'aspnetForm.ctl00_KestraneWeavoContent_odate',false,'dd/mm/yyyy'); return false;"><img class = "CalenderButtonImage_In" src="../../includes/images/calendar.gif" name="imgCalendar" border="0" alt=""></a>
		</td>
		<td class = "TDClassLabel">  </td>
		<td class = "TDClassControl">
			<asp:TextBox CssClass ="TextControl" id="notes" maxlength = "0" runat="server"></asp:TextBox>
		</td>
	</tr>
	<tr>
		<td align = "right" class = "TDClassLabel" >  </td>
		<td class = "TDClassControl" >
		<asp:CheckBox CssClass ="CheckBoxControl" ID="urgent" runat="server" TextAlign="Left"></asp:CheckBox>
		</td>
	</tr>
<tr>
<td colspan = "4" class = "TDClassForButton">
<input type ="Button" class= "ButtonControl" value= "View" id="View" onclick='HandleAction("SHOW")' />
</td>
</tr>
</table>
<br/>
<div id="reportDiv" runat="server"></div>
<br/>
<table align="center" width="98%">
<tr>
	<td align="left" style = "width:33%" class="LinkControl"><asp:HyperLink ID ="Order_List___report" CssClass= "Back_LogoutLink" runat="server" NavigateUrl="../../BaseModule/UI/ordersAdd.aspx">Order List - report</asp:HyperLink></td>
	<td></td>
	<td></td>
	</tr>
</table>
<table class="MessageContainerTable" width="98.8%">
	<tr>
		<td colspan = "4" align="center" valign="middle">
			<div id = "messageDiv" class = "MessageClass"> </div>
		</td>
	</tr>
</table>
</asp:Content>
