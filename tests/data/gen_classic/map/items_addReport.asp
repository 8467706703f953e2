<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp" -->
<!-- **Include server script -->
<%
Dim formType
Dim formTopMenuFunctionName, formLeftMenuFunctionName
formTopMenuFunctionName = "items_addReport_Top_MenuOnClick"
formLeftMenuFunctionName = "items_addReport_Left_MenuOnClick"
Dim items_id, orders_id, product, qty, delivered, Region

	if Trim(Request("cmdadd")) <> "" then
		formType = Trim(Request("cmdadd"))
	else
		formType = "Add"
	end if
	sAct = Request("hiddenActionControl")

	call Check_Login()
	call OpenConnection()
	call GetCurrentFileAndDesignation()

	if sAct <> "" then
		call ExtractData()
	end if
Function ExtractData()
	sAct = Request("hiddenActionControl")
	items_id = Trim(Request("items_id"))
	if not (isNumeric(items_id) and InStr(items_id, ",") = 0) then items_id = 0
	orders_id = Trim(Request("lst_orders_id"))
	if orders_id <> "" and not (isNumeric(orders_id) and InStr(orders_id, ",") = 0) then orders_id = 0
	product = Trim(Request("txt_product"))
	qty = Trim(Request("txt_qty"))
	if qty <> "" and not (isNumeric(qty) and InStr(qty, ",") = 0) then qty = "NULL"
	delivered = MakeDateTimeVar(Trim(Request("txt_delivered")), Trim(Request("lst_hrs_delivered")), Trim(Request("lst_mins_delivered")))
	Region = Trim(Request("txt_Region"))
	if Region <> "" and not (isNumeric(Region) and InStr(Region, ",") = 0) then Region = 0
	redirString = "orders_id="&Server.URLEncode(orders_id & "")&"&product="&Server.URLEncode(product & "")&"&qty="&Server.URLEncode(qty & "")&"&delivered="&Server.URLEncode(delivered & "")&"&Region="&Server.URLEncode(Region & "")

End Function

%>
<html>
<head>
<title>Kestrane Weavo</title>
<link rel="stylesheet" type="text/css" href="../_system/includes/CSS/Style.css">
<script language="javascript" src="../_system/js/functions.js"></script>
<script language="javascript">
// **Include client functions
function fn_validate_items()
{
	var formName
	formName = document.frmitems;
	if(!(validateString(formName.txt_Region, "Please enter Region")))
	{
		formName.txt_Region.focus();
		return
	}
	if(!(isNumber1(formName.txt_Region.value)))
	{
		alert("Please enter valid numeric value");
		formName.txt_Region.focus();
		return
	}
	if(!(validateString(formName.txt_product, "Please enter product caption")))
	{
		formName.txt_product.focus();
		return
	}
	if(!(validateString(formName.txt_Region, "Please enter Region")))
	{
		formName.txt_Region.focus();
		return
	}
	if(!(isNumber1(formName.txt_Region.value)))
	{
		alert("Please enter valid numeric value");
		formName.txt_Region.focus();
		return
	}

	formName.hiddenActionControl.value = formName.cmdadd.value
	formName.action = "../../BaseModule/items_addReport_action.asp";
	formName.submit();
}

function fn_RemoveRecord_items(id)
{
	formName = document.frmitems;
	msg=confirm("Do you really want to Delete this Record?")
	if(msg==false)
	{
		return;
	}
	formName.hiddenActionControl.value = "Remove";
	formName.items_id.value = id;
	formName.action = "../../BaseModule/items_addReport_action.asp";
	formName.submit();
}
</script>
</head>
<body>
<table width="100%" cellPadding=0 cellSpacing=0>
<tr>
<td>
<!-- **Include page -->
						<FORM name = "frmitems" method = "post">
						<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
							<% if request("strInfo") <> "" Then %>
							<TR>
								<TD align=center bgColor = <%=glb_bgBlank%> class = message colspan = 4> <% = Server.HTMLEncode(Request("strInfo")) %> </TD>
							</TR>
							<% end if %>
							<TR>
								<TD align=center bgColor = <%=glb_bgBlank%> class = heading colspan = 4> Order Items </TD>
							</TR>
								<TR>
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> Region<FONT color = "RED">*</FONT> </TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
										<INPUT class = pagetext2inside name = "txt_Region" size = "40" value = "<% = Server.HTMLEncode(Region & "")%>" maxlength = "20">
									</TD>
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> orders_id caption<FONT color = "RED">*</FONT> </TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
								<SELECT name = "lst_orders_id" class = "pagetext2inside" >
									<%
										If orders_id = "" Then
											orders_id = 0
										end if
										frontFieldStr = ""
										backFieldStr = ""
										call Fill_List_HardCode(orders_id, frontFieldStr, backFieldStr)
									%>
								</SELECT>
										</TD>
								</TR>
								<TR>
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> product caption<FONT color = "RED">*</FONT> </TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
										<INPUT class = pagetext2inside name = "txt_product" size = "40" value = "<% = Server.HTMLEncode(product & "")%>" maxlength = "20">
									</TD>
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"></TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%"> &nbsp </TD>
								</TR>
								<TR>
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> qty caption </TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
										<INPUT class = pagetext2inside name = "txt_qty" size = "40" value = "<% = Server.HTMLEncode(qty & "")%>" maxlength = "20">
									</TD>
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> delivered caption </TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
										<TABLE border = "0" cellspacing = "0" cellpadding = "0">
											<TR>
												<TD>
													<INPUT type = "text" name = "txt_delivered" class = "pagetext1inside" value = "<% = Server.HTMLEncode(Change_Date_Format(delivered) & "") %>"onKeyUp="date_dash(this,event)" onKeyDown="date_dash(this,event)">
												</TD>
												<TD class = "pagetext1">
													<a href="javascript: void(0);" onmouseover="if (timeoutId) clearTimeout(timeoutId);window.status='Show Calendar';return true;" onmouseout="if (timeoutDelay) calendarTimeout();window.status='';" onclick="g_Calendar.show(event,'frmitems.txt_delivered',false,'<%=glb_dateFormat_String%>'); return false;"><img src="../_system/images/calendar.gif" name="imgCalendar" width="32" height="19" border="0" alt=""></a>&nbsp;<%=glb_dateFormat_String%>
												</TD>
											</TR>
										</TABLE>
										<br>hh:mm<br>
										<SELECT name = "lst_hrs_txt_delivered" class = "pagetext1inside">
											<% call Fill_Hrs(hour(delivered)) %>
										</SELECT>:
										<SELECT name = "lst_mins_txt_delivered" class = "pagetext1inside">
											<% call Fill_Mins(minute(delivered)) %>
										</SELECT>:
										</TD>
								</TR>
								<TR>
									<TD colspan = 4 align=right bgColor=<%=glb_bgBlank%> width = "25%">
										<INPUT type=hidden name=hiddenActionControl value = "<%=sAct%>">
										<INPUT type = "hidden" name = items_id value = "<%=Server.HTMLEncode(items_id & "")%>">
										<INPUT type = "hidden" name = orders_id value = "<%=Server.HTMLEncode(orders_id & "")%>">
										<INPUT type = "hidden" name = product value = "<%=Server.HTMLEncode(product & "")%>">
										<INPUT type = "hidden" name = qty value = "<%=Server.HTMLEncode(qty & "")%>">
										<INPUT type = "hidden" name = delivered value = "<%=Server.HTMLEncode(delivered & "")%>">
										<INPUT type = "hidden" name = Region value = "<%=Server.HTMLEncode(Region & "")%>">
										<INPUT type = "button" class = "button" name = "cmdadd" value = "<%=formType%>" Onclick = "fn_validate_items();" >
									</TD>
								</TR>
						</FORM>
						</TABLE>
						<FORM name = "frmcancel" method = "post" ID="Form1">	</Form>
						<BR>
</td>
</tr>
</table>
</body>
</html>
<!-- **Include close connection -->
<%
	CloseConnection()
%>

