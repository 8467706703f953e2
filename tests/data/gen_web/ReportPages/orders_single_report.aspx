<%@ Page Language="C#" MasterPageFile="~/Themes/UI/" EnableEventValidation="false" AutoEventWireup="true" CodeBehind="orders_single_report.aspx.cs" Inherits="Shop.orders_single_report"%>

<asp:Content ID="Content1" ContentPlaceHolderID="KestraneWeavoContent" runat="server">
<script language="JavaScript" src="../../includes/JS/simplecalendar.js" type="text/javascript"></script>
<script language="JavaScript" src="../../includes/JS/Ajax.js" type="text/javascript"></script>
<script language="JavaScript" src="../../includes/JS/validate.js" type="text/javascript"></script>
<script language="JavaScript" src="../../includes/JS/EditableCombo.js" type="text/javascript"></script>
<script language="JavaScript" src="../../includes/JS/Report.js" type="text/javascript"></script>
<script type="text/javascript" language="javascript">

function OnShow(action)
{
	if(ValidateData())
	{
		if(action == "DELETE")
		{
			var msg = confirm("Do you really want to Delete this record")
			if(msg == false)
			{
				return;
			}
		}
		var formName = document.aspnetForm;
		var sBody = getRequestBody(formName, action);
		var method = action == "DELETE" ? "POST" : "GET";
		sendRequest(method, "orders_single_report.aspx", updateReport, 'reportDiv', sBody);
		sendRequest(method, "orders_single_report.aspx", FillControlForReport, 'page_no', sBody);
		sendRequest(method, "orders_single_report.aspx", FillControlForReport, 'record_id', sBody);
		sendRequest(method, "orders_single_report.aspx", FillMessageStringForReport, 'messageDiv', sBody);
	}
}
function OpenWindow(windowType)
{
	if(windowType == "ADD")
		window.open ("../../BaseModule/UI/ordersAdd.aspx","","location=1,status=1,top=50,left=50,scrollbars=1,width=950,height=425,scrollbars=no,titlebar=no,addressbar=no,location=no,status=no");
	else if(windowType == "UPDATE")
	{
		var formName = document.aspnetForm;
		var record_id = formName.ctl00_KestraneWeavoContent_record_id;
		var id = record_id.value;
		window.open ("../../BaseModule/UI/ordersUpdate.aspx?primarykey="+encodeURIComponent(id)+"","","location=1,status=1,top=50,left=50,scrollbars=1,width=950,height=425,scrollbars=no,titlebar=no,addressbar=no,location=no,status=no");
	}
}
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
	httpRequest.open('POST', 'orders_single_report.aspx', true);
	httpRequest.setRequestHeader("Content-Type", "application/x-www-form-urlencoded");
	httpRequest.send(sBody);
}
function ValidateData()
{
	var formName = document.aspnetForm;
	return true;
}
window.onload = function()
{
	initialize();
	load();
	document.aspnetForm.ctl00_KestraneWeavoContent_customer_id_editable.focus();
}
</script>
<div class="htmlBody" id="orders_single">
<tr>
<td align="right">
<asp:HyperLink ID="HyperLinkLogout" CssClass="Back_LogoutLink" runat="server" NavigateUrl="../../BaseModule/UI/Login.aspx">Logout</asp:HyperLink>
&nbsp;&nbsp;</td>
</tr>
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
<h3 class="heading"></h3>
<asp:HiddenField ID="page_no" runat="server"/>
<asp:HiddenField ID="record_id" runat="server"/>
<table class="MessageContainerTable" width="98.8%">
	<tr>
		<td colspan = "4" align="center" valign="middle">
			<div id = "messageDiv" class = "MessageClass"> </div>
		</td>
	</tr>
</table>

<table class="TableClass" cellspacing="1" align="center" width="98%">
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
		<td class = "TDClassEmptyLabel" >&nbsp;</td>
		<td class = "TDClassEmptyControl" > &nbsp; </td>
	</tr>
<tr>
<td colspan = "4" class = "TDClassForButton">
<input type ="Button" class= "ButtonControl" value= "View" id="View" onclick='HandleAction("SHOW")' />
</td>
</tr>
</table>

<div id="reportDiv" runat="server"></div>
<table class="SingleRecordTable" cellspacing="1"  id="table1">
<tr>
<td class="TDSingleRecordButton" colspan="4">
<input type ="Button" class= "ButtonControl" value= "&lt; Prior" id="Prior" runat = "server" onclick='OnShow("PREVIOUS")' />&nbsp;
<input type ="Button" class= "ButtonControl" value= "Next &gt;" id="Next" runat = "server" onclick='OnShow("NEXT")' />&nbsp;
<input type ="Button" class= "ButtonControl" value= "Add" id="Add" runat = "server" onclick='OpenWindow("ADD")' />&nbsp;
<input type ="Button" class= "ButtonControl" value= "Update" id="Update" runat = "server" onclick='OpenWindow("UPDATE")' />&nbsp;
<input type ="Button" class= "ButtonControl" value= "Delete" id="Delete" runat = "server" onclick='OnShow("DELETE")' />&nbsp;
</td>
</tr>
</table>
</div>
</asp:Content>
