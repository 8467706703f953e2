<%@ Page Language="C#" MasterPageFile="~/Themes/UI/" EnableEventValidation="false" AutoEventWireup="true" CodeBehind="saleUpdate.aspx.cs" Inherits="Shop.saleUpdate"%>

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

			if(formAction == 'UPDATE')
			{
				if(!ValidateData())
					return;
				var msg = confirm("Do you really want to Update Record?")
				if(msg == false)
				{
					return;
				}
			}
			else if(formAction == 'DELETE')
			{
				var msg = confirm("Do you really want to Delete Record?")
				if(msg == false)
				{
					return;
				}
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
								if(recomputeParentControlName == 'customer_id')
								{
								}
							}
							else
							{
								if(recomputeParentControlName == 'customer_id')
								{
								}
								if(!getMessageString(doc, 'messageDiv', 'messageDiv'))
									window.location = "saleAdd.aspx";
							}
						}
					}
				}
			}
			httpRequest.open('POST', 'saleUpdate.aspx', true);
			httpRequest.setRequestHeader("Content-Type", "application/x-www-form-urlencoded");
			httpRequest.send(sBody);
		}

		function HandleGridRecompute(formAction, recomputeControlName, rowNo)
		{
			var formName;
			formName = document.aspnetForm;
			var sBody = getRequestBody(formName, formAction);

			var row = rowNo.value;
			var sParam = "ROWNO=";
			sParam += row;
			sBody += "&";
			sBody += sParam;
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
							if(formAction == 'RECOMPUTEONSALE_LINE_CUSTOMER_ID')
							{
								var control = document.getElementById('remark' + row);
								FillControlFromFunction(doc,'remark', control);

							}
						}
					}
				}
			}
			httpRequest.open('POST', 'saleUpdate.aspx', true);
			httpRequest.setRequestHeader("Content-Type", "application/x-www-form-urlencoded");
			httpRequest.send(sBody);
		}

		function ValidateData()
		{
			var formName = document.aspnetForm;
			if(!ValidateDetailData())
				return false
			return true;
		}
		function ValidateDetailData()
		{
			for(var i = 1; i <= sale_lineDiv_body.rows.length; i++)
			{
				var rowDeleted = document.getElementById("delete"+i);
				if(!rowDeleted || rowDeleted.checked)
				{
					continue;
				}
			}
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
<h3 class="heading">SALE BASIC</h3>
<asp:HiddenField id="sale_basic_id" runat="server" />
<table class="TableClass" cellspacing="1" >
	<tr>
		<td class = "TDClassLabel" > customer_id </td>
		<td class = "TDClassControl" >
			<asp:DropDownList  CssClass= "ComboControl" ID="customer_id" runat="server"  onChange="HandleAction('RECOMPUTEONCUSTOMER_ID', 'customer_id');"	>
		</asp:DropDownList>
		</td>
		<td class ="TDClassLabel" > sdate </td>
		<td class = "TDClassControl" >
			<input type="text" class= "CalenderBoxControl" id = "sdate" runat="server" onkeyup="date_dash(this,event)" onkeydown="date_dash(this,event)"/> <a id="sdateCalendar" runat="server" href="javascript: void(0);" onmouseover="if (timeoutId) clearTimeout(timeoutId);window.status='Show Calendar';return true;"onmouseout="if (timeoutDelay) calendarTimeout();window.status='';" onclick="g_Calendar.show(event,'aspnetForm.ctl00_KestraneWeavoContent_sdate',false,'dd/mm/yyyy'); return false;"><img class = "CalenderButtonImage_In" src="../../includes/images/calendar.gif" name="imgCalendar" border="0" alt=""></a>
		</td>
	</tr>
	<tr>
		<td class = "TDClassLabel"> remark </td>
		<td class = "TDClassControl">
			<asp:TextBox CssClass ="TextControl" id="remark" maxlength = "0" runat="server"></asp:TextBox>
		</td>
		<td class = "TDClassEmptyLabel" >&nbsp;</td>
		<td class = "TDClassEmptyControl" > &nbsp; </td>
	</tr>
</table>
<table class="MessageContainerTable" width="98.8%">
	<tr>
		<td colspan = "4" align="center" valign="middle">
			<div id = "messageDiv" class = "MessageClass"> </div>
		</td>
	</tr>
</table>
<div id="sale_lineDiv" runat="server"></div>
</asp:Content>
