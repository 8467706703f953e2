<%@ Page Language="C#" MasterPageFile="~/Themes/UI/" EnableEventValidation="false" AutoEventWireup="true" CodeBehind="order_entryAdd.aspx.cs" Inherits="Shop.order_entryAdd"%>

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

			if(formAction == 'ADD')
			{
				if(!ValidateData())
					return;
				var msg = confirm("Do you really want to Add Record?")
				if(msg == false)
				{
					return;
				}
			}
			if(formAction == 'ADD')
			{
				submitWithValues(document.aspnetForm, "order_entryAdd.aspx", sBody);
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
									document.aspnetForm.ctl00_KestraneWeavoContent_agent_editable.value = ""
									FillCombo(doc,'agent', document.aspnetForm.ctl00_KestraneWeavoContent_agent, false);
									var msg = confirm("This action will reset the detail record grid. \nDo you really want to change selection?");
									if(msg == false)
										return;

									var url = "order_entryAdd.aspx?" + getRequestBody(formName, "REFRESHGRID");
									formName.action = url;
									formName.submit();
								}
							}
							else
							{
								if(recomputeParentControlName == 'customer_id')
								{
									document.aspnetForm.ctl00_KestraneWeavoContent_agent_editable.value = ""
									FillCombo(doc,'agent', document.aspnetForm.ctl00_KestraneWeavoContent_agent, false);
									var msg = confirm("This action will reset the detail record grid. \nDo you really want to change selection?");
									if(msg == false)
										return;

									var url = "order_entryAdd.aspx?" + getRequestBody(formName, "REFRESHGRID");
									formName.action = url;
									formName.submit();
								}
								if(!getMessageString(doc, 'messageDiv', 'messageDiv'))
									window.location = "order_entryAdd.aspx";
							}
						}
					}
				}
			}
			httpRequest.open('POST', 'order_entryAdd.aspx', true);
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
						}
					}
				}
			}
			httpRequest.open('POST', 'order_entryAdd.aspx', true);
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
			for(var i = 1; i <= order_lineDiv_body.rows.length; i++)
			{
				var rowDeleted = document.getElementById("order_line_delete"+i);
				if(!rowDeleted || rowDeleted.checked)
				{
					continue;
				}
				var control = document.getElementById("order_line_item"+i);
				if(!(validateString(control, "Please enter Item \"name\"" + " in row no " + i)))
				{
					return false
				}
			}
			for(var i = 1; i <= order_paymentDiv_body.rows.length; i++)
			{
				var rowDeleted = document.getElementById("order_payment_delete"+i);
				if(!rowDeleted || rowDeleted.checked)
				{
					continue;
				}
			}
			return true;
		}
		function resetAllControls()
		{
			window.location = "order_entryAdd.aspx";
		}

		function reloadForm()
		{
			resetAllControls();
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
<h3 class="heading">ORDER BASIC</h3>
<table class="TableClass" cellspacing="1" >
	<tr>
		<td class = "TDClassLabel"> note </td>
		<td class = "TDClassControl">
			<asp:TextBox CssClass ="TextControl" id="note" maxlength = "0" runat="server"></asp:TextBox>
		</td>
		<td class = "TDClassLabel"> scan </td>
		<td class = "TDClassControl">
			<input id="scan" type="file" runat="server"/>
		</td>
	</tr>
	<tr>
		<td class = "TDClassLabel" > customer_id </td>
		<td class = "TDClassControl" >
			<asp:DropDownList  CssClass= "ComboControl" ID="customer_id" runat="server"  onChange="HandleAction('RECOMPUTEONCUSTOMER_ID', 'customer_id');"	>
		</asp:DropDownList>
		</td>
		<td class = "TDClassLabel" > agent </td>
		<td class = "TDClassControl" >
		<table border = "0" cellspacing = "0" cellpadding = "0">
			<tr>
				<td>
				<asp:HiddenField ID="hide_agent" runat="server"/>
				<div  onkeyup  ="fn_SearchCombo(ctl00_KestraneWeavoContent_agent_editable,ctl00_KestraneWeavoContent_hide_agent,ctl00_KestraneWeavoContent_agent,'div_agent');" onkeydown="fn_NevigateSearchCombo(ctl00_KestraneWeavoContent_agent_editable,ctl00_KestraneWeavoContent_hide_agent,ctl00_KestraneWeavoContent_agent,'div_agent'); ">
				<asp:TextBox CssClass="EditableComboControl" id="agent_editable" runat="server" > </asp:TextBox>
				<a href="#" onclick="showHideList('div_agent');" ><img class="EditableComboImage" src="../../includes/images/EditableComboButton.bmp"/></a>
				</div>
				<div style="width:0px">
				<div id="div_agent" style="display:none;position:absolute;z-index:+1;" onmouseout="hideList(this);"  onclick= "handleClickOnList(ctl00_KestraneWeavoContent_agent_editable,ctl00_KestraneWeavoContent_agent, this);" >
				<asp:ListBox CssClass="EditableComboList" ID="agent" runat="server"> </asp:ListBox>
				</div>
				</div>
				</td>
			</tr>
		</table>
		</td>
	</tr>
</table>
<table class="MessageContainerTable" width="98.8%">
	<tr>
		<td colspan = "4" align="center" valign="middle">
			<asp:Label ID="MessageLabel" runat="server" CssClass="ErrMessageStyle"></asp:Label>
		</td>
	</tr>
</table>
<div id="order_lineDiv" runat="server"></div>
<div id="order_paymentDiv" runat="server"></div>
</asp:Content>
