<%@ Page Language="C#" MasterPageFile="~/Themes/UI/" EnableEventValidation="false" AutoEventWireup="true" CodeBehind="Sales_by_customer_report.aspx.cs" Inherits="Shop.Sales_by_customer_report"%>

<%@ Register Assembly="Microsoft.ReportViewer.WebForms, Version=9.0.0.0, Culture=neutral, PublicKeyToken=b03f5f7f11d50a3a"
	Namespace="Microsoft.Reporting.WebForms" TagPrefix="rsweb" %>

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
				var formName = document.aspnetForm;
				var sBody = getRequestBody(formName, "SHOW");
				var url = "Sales_by_customer_report.aspx?"+sBody;
				formName.action = url;
				formName.submit();
			}
		}
		function OnPrint()
		{
			msg=confirm('Do you really want to Print this Report? '); 
			if(msg==false) 
				return;
			var formName = document.aspnetForm;
			var sBody = getRequestBody(formName, "PRINT");
			var url = "Sales_by_customer_report.aspx?"+sBody;
			formName.action = url;
			formName.submit();
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
								if(recomputeParentControlName == 'customer_id')
								{
									FillControlFromFunction(doc,'credit', document.aspnetForm.ctl00_KestraneWeavoContent_credit);

								}
							}
							else
							{
								if(recomputeParentControlName == 'customer_id')
								{
									FillControlFromFunction(doc,'credit', document.aspnetForm.ctl00_KestraneWeavoContent_credit);

								}
								updateReport(httpRequest, 'ctl00_KestraneWeavoContent_reportDiv');
								if(!getMessageString(doc, 'messageDiv', 'messageDiv'))
									resetAllControls();
							}
						}
					}
				}
			}
			httpRequest.open('POST', 'Sales_by_customer_report.aspx', true);
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
<h3 class="heading">Sales "by" &lt;customer&gt;</h3>
<table align="center" width="98%">
<tr>
	<td align="left" style = "width:33%" class="LinkControl"><asp:HyperLink ID ="Order_List" CssClass= "Back_LogoutLink" runat="server" NavigateUrl="../../BaseModule/UI/ordersAdd.aspx">Order List</asp:HyperLink></td>
	<td></td>
	<td></td>
	</tr>
</table>
<table class="TableClass" cellspacing="1" align="center" width="98%">
	<tr>
		<td class = "TDClassLabel" >  </td>
		<td class = "TDClassControl" >
			<asp:DropDownList  CssClass= "ComboControl" ID="customer_id" runat="server"  onChange="HandleAction('RECOMPUTEONCUSTOMER_ID', 'customer_id');"	>
		</asp:DropDownList>
		</td>
		<td class = "TDClassLabel" >  </td>
		<td class = "TDClassControl" >
		<table border = "0" cellspacing = "0" cellpadding = "0">
			<tr>
				<td>
				<asp:HiddenField ID="hide_status" runat="server"/>
				<div  onkeyup  ="fn_SearchCombo(ctl00_KestraneWeavoContent_status_editable,ctl00_KestraneWeavoContent_hide_status,ctl00_KestraneWeavoContent_status,'div_status');" onkeydown="fn_NevigateSearchCombo(ctl00_KestraneWeavoContent_status_editable,ctl00_KestraneWeavoContent_hide_status,ctl00_KestraneWeavoContent_status,'div_status'); ">
				<asp:TextBox CssClass="EditableComboControl" id="status_editable" runat="server" > </asp:TextBox>
				<a href="#" onclick="showHideList('div_status');" ><img class="EditableComboImage" src="../../includes/images/EditableComboButton.bmp"/></a>
				</div>
				<div style="width:0px">
				<div id="div_status" style="display:none;position:absolute;z-index:+1;" onmouseout="hideList(this);"  onclick= "handleClickOnList(ctl00_KestraneWeavoContent_status_editable,ctl00_KestraneWeavoContent_status, this);" >
				<asp:ListBox CssClass="EditableComboList" ID="status" runat="server"> </asp:ListBox>
				</div>
				</div>
				</td>
			</tr>
		</table>
		</td>
	</tr>
	<tr>
		<td class ="TDClassLabel" >  </td>
		<td class = "TDClassControl" >
			<input type="text" class= "CalenderBoxControl" id = "odate" runat="server" onkeyup="date_dash(this,event)" onkeydown="date_dash(this,event)"/> <a href="javascript: void(0);" onmouseover="if (timeoutId) clearTimeout(timeoutId);window.status='Show Calendar';return true;"onmouseout="if (timeoutDelay) calendarTimeout();window.status='';" onclick="g_Calendar.show(event,'aspnetForm.ctl00_KestraneWeavoContent_odate',false,'dd/mm/yyyy'); return false;"><img class = "CalenderButtonImage_In" src="../../includes/images/calendar.gif" name="imgCalendar" border="0" alt=""></a>
		</td>
		<td class="TDClassLabel" >  </td>
		<td class = "TDClassControl" >
			<textarea id="notes" class="TextAreaControl" cols="35" rows="4" maxlength = "0" runat="server"></textarea>
		</td>
	</tr>
	<tr>
		<td class = "TDClassLabel">  </td>
		<td class = "TDClassControl">
			<asp:TextBox CssClass ="TextControl" id="credit" maxlength = "0" runat="server"></asp:TextBox>
		</td>
		<td class = "TDClassEmptyLabel" >&nbsp;</td>
		<td class = "TDClassEmptyControl" > &nbsp; </td>
	</tr>
<tr>
	<td colspan = "4" class = "TDClassForButton">
	<input type ="Button" class= "ButtonControl" value= "View" id="View" onclick='OnShow("SHOW")' />&nbsp;&nbsp;
	<input type ="Button" class= "ButtonControl" value= "Print" id="Print" onclick='OnPrint("PRINT")' />
	</td>
</tr>
</table>
<table class="TableClass"  cellspacing="1" align="center" width="98%">
	<tr><td>
		<rsweb:ReportViewer ID="ReportViewer1" runat="server" Font-Names="Verdana" Font-Size="8pt" Height="300px" Width="960px" Visible="False">
			<LocalReport ReportPath="BaseModule\RDLCs\sales_by_customer.rdlc">
				<DataSources>
					<rsweb:ReportDataSource DataSourceId="ObjectDataSource1" Name="orders_ByCustomer_orders" />
					<rsweb:ReportDataSource DataSourceId="ObjectDataSource2" Name="customer_Credit_customer" />
				</DataSources>
			</LocalReport>
		</rsweb:ReportViewer>
		<asp:ObjectDataSource ID="ObjectDataSource1" runat="server" SelectMethod="GetData" TypeName="Shop.BaseModule.DataSets.orders_ByCustomerTableAdapters.ordersTableAdapter">
		</asp:ObjectDataSource>
		<asp:ObjectDataSource ID="ObjectDataSource2" runat="server" SelectMethod="GetData" TypeName="Shop.BaseModule.DataSets.customer_CreditTableAdapters.customerTableAdapter">
		</asp:ObjectDataSource>
	</td></tr>
</table>
<table align="center" width="98%">
<tr>
	<td></td>
	<td></td>
	<td></td>
	</tr>
</table>
<table class="MessageContainerTable" width="98.8%">
	<tr>
		<td colspan = "4" align="center" valign="middle">
			<asp:Label ID="MessageLabel" runat="server" CssClass="ErrMessageStyle"></asp:Label>
		</td>
	</tr>
</table>
</asp:Content>
