<%@ Page Language="C#" MasterPageFile="~/Themes/UI/Main.master" EnableEventValidation="false" AutoEventWireup="true" CodeBehind="stock_formUpdate.aspx.cs" Inherits="Shop.stock_formUpdate"%>

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
			if(formAction == 'DELETE')
			{
				var msg = confirm("Do you really want to Delete Record?")
				if(msg == false)
				{
					return;
				}
			}
			if(formAction == "Cancel")
			{
				window.location = "../UI/stock_formAdd.aspx";
				return;
			}
			if(formAction == 'UPDATE' || formAction == 'DELETE')
			{
				submitWithValues(document.aspnetForm, recordPageUrl("stock_formUpdate.aspx", "product_id"), sBody);
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
								if(recomputeParentControlName == 'maker_id')
								{
									FillControlFromFunction(doc,'price', document.aspnetForm.ctl00_KestraneWeavoContent_price);

									FillControlFromFunction(doc,'made_on', document.aspnetForm.ctl00_KestraneWeavoContent_made_on);

								}
								if(recomputeParentControlName == 'colour')
								{
								}
								if(recomputeParentControlName == 'in_stock')
								{
								}
							}
							else
							{
								if(recomputeParentControlName == 'maker_id')
								{
									FillControlFromFunction(doc,'price', document.aspnetForm.ctl00_KestraneWeavoContent_price);

									FillControlFromFunction(doc,'made_on', document.aspnetForm.ctl00_KestraneWeavoContent_made_on);

								}
								if(recomputeParentControlName == 'colour')
								{
								}
								if(recomputeParentControlName == 'in_stock')
								{
								}
								updateReport(httpRequest, 'ctl00_KestraneWeavoContent_reportDiv');
								if(!getMessageString(doc, 'messageDiv', 'messageDiv'))
									window.location = "stock_formAdd.aspx";
							}
						}
					}
				}
			}
			httpRequest.open('POST', 'stock_formUpdate.aspx', true);
			httpRequest.setRequestHeader("Content-Type", "application/x-www-form-urlencoded");
			httpRequest.send(sBody);
		}

		function resetAllControls()
		{
			window.location = "stock_formUpdate.aspx";
		}

		function ValidateData()
		{
			var formName = document.aspnetForm;
			if(!(validateString(formName.ctl00_KestraneWeavoContent_pname, "Please enter Owner\'s \"name\" \\ \x3c%= x %\x3e")))
			{
				return false
			}
			if(!(validateString(formName.ctl00_KestraneWeavoContent_quantity, "Please enter Quantity")))
			{
				return false
			}
			if(!(isWholeNumber(formName.ctl00_KestraneWeavoContent_quantity.value, 32)))
			{
				alert("Please enter valid numeric value for quantity");
				formName.ctl00_KestraneWeavoContent_quantity.focus();
				return false
			}
			if(!(validateString(formName.ctl00_KestraneWeavoContent_made_on, "Please enter Made on")))
			{
				return false
			}
			if(!(isDate(formName.ctl00_KestraneWeavoContent_made_on.value, 'mm/dd/yyyy')))
			{
				alert("Please select valid Made on");
				return
			}
			if(formName.ctl00_KestraneWeavoContent_maker_id.value == "null")
			{
				alert("Please select Maker");
				formName.ctl00_KestraneWeavoContent_maker_id.focus();
				return false;
			}
			if(!(validateString(formName.ctl00_KestraneWeavoContent_secret, "Please enter Secret")))
			{
				return false
			}
			if(formName.ctl00_KestraneWeavoContent_supplier_id_editable.value == "None")
			{
				alert("Please select Supplier");
				formName.ctl00_KestraneWeavoContent_supplier_id_editable.focus();
				return false;
			}
			if(!(validateString(formName.ctl00_KestraneWeavoContent_price, "Please enter Price")))
			{
				return false
			}
			if(!(isNumber1(formName.ctl00_KestraneWeavoContent_price.value)))
			{
				alert("Please enter valid numeric value for price");
				formName.ctl00_KestraneWeavoContent_price.focus();
				return false
			}
			if(!(validateString(formName.ctl00_KestraneWeavoContent_remark, "Please enter Remark")))
			{
				return false
			}
			if(formName.ctl00_KestraneWeavoContent_tags.value == "null")
			{
				alert("Please select Tags");
				formName.ctl00_KestraneWeavoContent_tags.focus();
				return false;
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
<h3 class="heading">UPDATE PRODUCT</h3>
<table align="center" width="98%">
<tr>
	<td align="left" style = "width:33%" class="LinkControl"><asp:HyperLink ID ="Back___to_list" CssClass= "Back_LogoutLink" runat="server" NavigateUrl="../../BaseModule/UI/customerAdd.aspx"> Back - to list</asp:HyperLink></td>
	<td></td>
	<td align="right" style = "width:33%" class="LinkControl"><asp:HyperLink ID ="Owners" CssClass= "Back_LogoutLink" runat="server" NavigateUrl="../../BaseModule/UI/customerAdd.aspx">Owners</asp:HyperLink></td>
	</tr>
</table>
<asp:HiddenField id="product_id" runat="server" />
<table class="TableClass" cellspacing="1" >
	<tr>
		<td class = "TDClassLabel"> Owner's "name" \ &lt;%= x %&gt;<label class="CompulsaryLabel">*</label> </td>
		<td class = "TDClassControl">
			<asp:TextBox CssClass ="TextControl" id="pname" maxlength = "50" runat="server"></asp:TextBox>
		</td>
	</tr>
	<tr>
		<td class = "TDClassLabel"> Quantity<label class="CompulsaryLabel">*</label> </td>
		<td class = "TDClassControl">
			<asp:TextBox CssClass ="TextControl" id="quantity" maxlength = "0" runat="server"></asp:TextBox>
		</td>
	</tr>
	<tr>
		<td class ="TDClassLabel" > Made on<label class="CompulsaryLabel">*</label> </td>
		<td class = "TDClassControl" >
			<input type="text" class= "CalenderBoxControl" id = "made_on" runat="server" onkeyup="date_dash(this,event)" onkeydown="date_dash(this,event)"/> <a id="made_onCalendar" runat="server" href="javascript: void(0);" onmouseover="if (timeoutId) clearTimeout(timeoutId);window.status='Show Calendar';return true;"onmouseout="if (timeoutDelay) calendarTimeout();window.status='';" onclick="g_Calendar.show(event,'aspnetForm.ctl00_KestraneWeavoContent_made_on',false,'mm/dd/yyyy'); return false;"><img class = "CalenderButtonImage_In" src="../../includes/images/calendar.gif" name="imgCalendar" border="0" alt=""></a>
		</td>
	</tr>
	<tr>
		<td class = "TDClassLabel" > Maker<label class="CompulsaryLabel">*</label> </td>
		<td class = "TDClassControl" >
			<asp:DropDownList  CssClass= "ComboControl" ID="maker_id" runat="server"  onChange="HandleAction('RECOMPUTEONMAKER_ID', 'maker_id');"	>
		</asp:DropDownList>
		</td>
	</tr>
	<tr>
		<td class = "TDClassLabel" > Colour </td>
		<td class = "TDClassControl" >
		<asp:RadioButtonList CssClass = "RadioControl" ID= "colour" runat="server" OnClick="HandleAction('RECOMPUTEONCOLOUR', 'colour');" RepeatDirection="Horizontal">
			<asp:ListItem Value="r" Selected="True">Red</asp:ListItem>
			<asp:ListItem Value="g">Green</asp:ListItem>
			<asp:ListItem Value="Blue">Blue</asp:ListItem>
		</asp:RadioButtonList>
		</td>
	</tr>
	<tr>
		<td align = "right" class = "TDClassLabel" > In stock </td>
		<td class = "TDClassControl" >
		<asp:CheckBox CssClass ="CheckBoxControl" ID="in_stock" runat="server" TextAlign="Left" onClick="HandleAction('RECOMPUTEONIN_STOCK', 'in_stock');"></asp:CheckBox>
		</td>
	</tr>
	<tr>
		<td class = "TDClassLabel"> Notes<label class="CompulsaryLabel">*</label> </td>
		<td class = "TDClassControl">
			<input id="notes" type="file" runat="server"/>
			<br/>
			<asp:Label ID="notesLabel" CssClass = "LabelClass" runat="server"></asp:Label>
		</td>
	</tr>
	<tr>
		<td align = "right" class = "TDClassLabel" > Secret<label class="CompulsaryLabel">*</label> </td>
		<td class = "TDClassControl" >
		<input type="password" id = "secret" runat="server" class="TextControl" />
		</td>
	</tr>
	<tr>
		<td class = "TDClassLabel" > Supplier<label class="CompulsaryLabel">*</label> </td>
		<td class = "TDClassControl" >
		<table border = "0" cellspacing = "0" cellpadding = "0">
			<tr>
				<td>
				<asp:HiddenField ID="hide_supplier_id" runat="server"/>
				<div  onkeyup  ="fn_SearchCombo(ctl00_KestraneWeavoContent_supplier_id_editable,ctl00_KestraneWeavoContent_hide_supplier_id,ctl00_KestraneWeavoContent_supplier_id,'div_supplier_id');" onkeydown="fn_NevigateSearchCombo(ctl00_KestraneWeavoContent_supplier_id_editable,ctl00_KestraneWeavoContent_hide_supplier_id,ctl00_KestraneWeavoContent_supplier_id,'div_supplier_id'); ">
				<asp:TextBox CssClass="EditableComboControl" id="supplier_id_editable" runat="server" > </asp:TextBox>
				<a href="#" onclick="showHideList('div_supplier_id');" ><img class="EditableComboImage" src="../../includes/images/EditableComboButton.bmp"/></a>
				</div>
				<div style="width:0px">
				<div id="div_supplier_id" style="display:none;position:absolute;z-index:+1;" onmouseout="hideList(this);"  onclick= "handleClickOnList(ctl00_KestraneWeavoContent_supplier_id_editable,ctl00_KestraneWeavoContent_supplier_id, this);" >
				<asp:ListBox CssClass="EditableComboList" ID="supplier_id" runat="server"> </asp:ListBox>
				</div>
				</div>
				</td>
			</tr>
		</table>
		</td>
	</tr>
	<tr>
		<td class = "TDClassLabel"> Price<label class="CompulsaryLabel">*</label> </td>
		<td class = "TDClassControl">
			<asp:TextBox CssClass ="TextControl" id="price" maxlength = "0" runat="server"></asp:TextBox>
		</td>
	</tr>
	<tr>
		<td class = "TDClassLabel"> Remark<label class="CompulsaryLabel">*</label> </td>
		<td class = "TDClassControl">
			<asp:TextBox CssClass ="TextControl" id="remark" maxlength = "50" runat="server"></asp:TextBox>
		</td>
	</tr>
	<tr>
	</tr>
	<tr>
		<td class = "TDClassLabel" > Tags<label class="CompulsaryLabel">*</label> </td>
		<td class = "TDClassControl" >
			<asp:DropDownList  CssClass= "ComboControl" ID="tags" runat="server" 	>
		</asp:DropDownList>
		</td>
	</tr>
	<tr>
	</tr>
	<tr>
		<td class ="TDClassLabel" > Stamp </td>
		<td class = "TDClassControl" >
			<input type="text" class= "CalenderBoxControl" id = "stamp" runat="server" onkeyup="date_dash(this,event)" onkeydown="date_dash(this,event)"/> <a id="stampCalendar" runat="server" href="javascript: void(0);" onmouseover="if (timeoutId) clearTimeout(timeoutId);window.status='Show Calendar';return true;"onmouseout="if (timeoutDelay) calendarTimeout();window.status='';" onclick="g_Calendar.show(event,'aspnetForm.ctl00_KestraneWeavoContent_stamp',false,'mm/dd/yyyy'); return false;"><img class = "CalenderButtonImage_In" src="../../includes/images/calendar.gif" name="imgCalendar" border="0" alt=""></a>
		</td>
	</tr>
	<tr>
		<td class = "TDClassLabel"> Month </td>
		<td class = "TDClassControl">
			<asp:TextBox CssClass ="TextControl" id="month" maxlength = "0" runat="server"></asp:TextBox>
		</td>
	</tr>
	<tr>
		<td class = "TDClassLabel"> Year </td>
		<td class = "TDClassControl">
			<asp:TextBox CssClass ="TextControl" id="year" maxlength = "0" runat="server"></asp:TextBox>
		</td>
	</tr>
	<tr>
		<td class = "TDClassLabel" > Grade </td>
		<td class = "TDClassControl" >
			<asp:DropDownList  CssClass= "ComboControl" ID="grade" runat="server" 	>
		</asp:DropDownList>
		</td>
	</tr>
	<tr>
		<td class = "TDClassLabel" > Agent </td>
		<td class = "TDClassControl" >
		<table border = "0" cellspacing = "0" cellpadding = "0">
			<tr>
				<td>
				<asp:HiddenField ID="hide_agent_id" runat="server"/>
				<div  onkeyup  ="fn_SearchCombo(ctl00_KestraneWeavoContent_agent_id_editable,ctl00_KestraneWeavoContent_hide_agent_id,ctl00_KestraneWeavoContent_agent_id,'div_agent_id');" onkeydown="fn_NevigateSearchCombo(ctl00_KestraneWeavoContent_agent_id_editable,ctl00_KestraneWeavoContent_hide_agent_id,ctl00_KestraneWeavoContent_agent_id,'div_agent_id'); ">
				<asp:TextBox CssClass="EditableComboControl" id="agent_id_editable" runat="server" > </asp:TextBox>
				<a href="#" onclick="showHideList('div_agent_id');" ><img class="EditableComboImage" src="../../includes/images/EditableComboButton.bmp"/></a>
				</div>
				<div style="width:0px">
				<div id="div_agent_id" style="display:none;position:absolute;z-index:+1;" onmouseout="hideList(this);"  onclick= "handleClickOnList(ctl00_KestraneWeavoContent_agent_id_editable,ctl00_KestraneWeavoContent_agent_id, this);" >
				<asp:ListBox CssClass="EditableComboList" ID="agent_id" runat="server"> </asp:ListBox>
				</div>
				</div>
				</td>
			</tr>
		</table>
		</td>
	</tr>
<tr>
	<td colspan = "4" class ="TDClassForButton" >
	<input type ="Button" class= "ButtonControl" value= "Update" id="UpdateButton" runat="server"  onclick='HandleAction("UPDATE")'/>
	<input type ="Button" class= "ButtonControl" value= "Delete" id="DeleteButton" runat="server"  onclick='HandleAction("DELETE")'/>
	<input type ="Button" class= "ButtonControl" value= "Cancel" id="CancelButton" runat="server"  onclick='HandleAction("Cancel")'/>
	</td>
</tr>
</table>
<table align="center" width="98%">
<tr>
	<td></td>
	<td align="center" style = "width:33%" class="LinkControl"><asp:HyperLink ID ="Help" CssClass= "Back_LogoutLink" runat="server" NavigateUrl="../../BaseModule/UI/customerAdd.aspx">Help</asp:HyperLink></td>
	<td align="right" style = "width:33%" class="LinkControl"><asp:HyperLink ID ="Back_to_Module_Dashboard" CssClass= "Back_LogoutLink" runat="server" NavigateUrl="../../BaseModule/UI/BaseModule_Dashboard.aspx">Back to Module Dashboard</asp:HyperLink></td>
	</tr>
</table>
<table class="MessageContainerTable" width="98.8%">
	<tr>
		<td colspan = "4" align="center" valign="middle">
			<asp:Label ID="MessageLabel" runat="server" CssClass="ErrMessageStyle"></asp:Label>
		</td>
	</tr>
</table>
<br/>
<div id="reportDiv" runat="server"></div>
<br/>
</asp:Content>
