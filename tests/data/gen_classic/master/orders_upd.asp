<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp" -->
<!-- **Include server script -->
<%
	Dim strQryBasic, rsQryBasic
	Dim formTopMenuFunctionName, formLeftMenuFunctionName
	formTopMenuFunctionName = "orders_upd_Top_MenuOnClick"
	formLeftMenuFunctionName = "orders_upd_Left_MenuOnClick"
	Dim orders_id, name, qty, customer_id, placed, code, price


	if Trim(Request("Recompute")) <> "" then
		Recompute = Trim(Request("Recompute"))
	else
		Recompute = 0
	end if

	call Check_Login()
	call OpenConnection()
	call GetCurrentFileAndDesignation()
	orders_id = Trim(Request("orders_id"))
	if not (isNumeric(orders_id) and InStr(orders_id, ",") = 0) then orders_id = 0
	if Recompute <> 1 then
		set rsQryBasic = Server.CreateObject("ADODB.Recordset")
		rsQryBasic.Open "PRC_orders_SelectRecord " &orders_id, glb_con,1,2

		if not rsQryBasic.EOF then
			name = rsQryBasic("name")
			qty = rsQryBasic("qty")
			customer_id = rsQryBasic("customer_id")
			if customer_id = "NULL" then
				customer_id = ""
			end if
			placed = rsQryBasic("placed")
			if placed = "NULL" then
				placed = ""
			end if
			code = rsQryBasic("code")
			price = rsQryBasic("price")
			if price = "NULL" then
				price = ""
			end if
		end if

	end if
%>
<html>
<head>
<title>Kestrane Weavo</title>
<link rel="stylesheet" type="text/css" href="../_system/includes/CSS/Style.css">
<script language="javascript" src="../_system/js/functions.js"></script>
<script language="javascript">
// **Include client functions
function fn_validate_orders()
{
	var formName
	formName = document.frmorders;
	if(!(validateString(formName.txt_name, "Please enter name caption")))
	{
		formName.txt_name.focus();
		return
	}
	if(!(validateString(formName.txt_qty, "Please enter qty caption")))
	{
		formName.txt_qty.focus();
		return
	}
	if(!(isNumber1(formName.txt_qty.value)))
	{
		alert("Please enter valid numeric value");
		formName.txt_qty.focus();
		return
	}

	formName.hiddenActionControl.value = "Update"
	formName.action = "../../BaseModule/orders_upd_action.asp";
	formName.submit();
}

function fn_RemoveRecord_orders(id)
{
	formName = document.frmorders;
	msg=confirm("Do you really want to Delete this Record?")
	if(msg==false)
	{
		return;
	}
	formName.hiddenActionControl.value = "Remove";
	formName.orders_id.value = id;
	formName.action = "../../BaseModule/orders_upd_action.asp";
	formName.submit();
}
</script>
</head>
<body>
<table width="100%" cellPadding=0 cellSpacing=0>
<tr>
<td>
<!-- **Include page -->
						<FORM name = "frmorders" method = "post">
						<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
							<% if request("strInfo") <> "" Then %>
							<TR>
								<TD align=center bgColor = <%=glb_bgBlank%> class = message colspan = 4> <% = Server.HTMLEncode(Request("strInfo")) %> </TD>
							</TR>
							<% end if %>
							<TR>
								<TD align=center bgColor = <%=glb_bgBlank%> class = heading colspan = 4> Orders </TD>
							</TR>
								<TR>
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> name caption<FONT color = "RED">*</FONT> </TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
										<INPUT class = pagetext2inside name = "txt_name" size = "40" value = "<% = Server.HTMLEncode(name & "")%>" maxlength = "20">
									</TD>
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> qty caption<FONT color = "RED">*</FONT> </TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
										<INPUT class = pagetext2inside name = "txt_qty" size = "40" value = "<% = Server.HTMLEncode(qty & "")%>" maxlength = "20">
									</TD>
								</TR>
								<TR>
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> customer_id caption </TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
								<SELECT name = "lst_customer_id" class = "pagetext2inside" >
									<%
										If customer_id = "" Then
											customer_id = 0
										end if
										frontFieldStr = ""
										backFieldStr = ""
										call Fill_List_HardCode(customer_id, frontFieldStr, backFieldStr)
									%>
								</SELECT>
										</TD>
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> placed caption </TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
										<TABLE border = "0" cellspacing = "0" cellpadding = "0">
											<TR>
												<TD>
													<INPUT type = "text" name = "txt_placed" class = "pagetext1inside" value = "<% = Server.HTMLEncode(Change_Date_Format(placed) & "") %>"onKeyUp="date_dash(this,event)" onKeyDown="date_dash(this,event)">
												</TD>
												<TD class = "pagetext1">
													<a href="javascript: void(0);" onmouseover="if (timeoutId) clearTimeout(timeoutId);window.status='Show Calendar';return true;" onmouseout="if (timeoutDelay) calendarTimeout();window.status='';" onclick="g_Calendar.show(event,'frmorders.txt_placed',false,'<%=glb_dateFormat_String%>'); return false;"><img src="../_system/images/calendar.gif" name="imgCalendar" width="32" height="19" border="0" alt=""></a>&nbsp;<%=glb_dateFormat_String%>
												</TD>
											</TR>
										</TABLE>
										</TD>
								</TR>
								<TR>
									<TD  align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"></TD>
									<TD  align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"></TD>

									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> price caption </TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
										<INPUT class = pagetext2inside name = "txt_price" size = "40" value = "<% = Server.HTMLEncode(price & "")%>" maxlength = "20">
									</TD>
								</TR>
								<TR>
									<TD colspan = 4 align=right bgColor=<%=glb_bgBlank%> width = "25%">
										<INPUT type=hidden name=hiddenActionControl value="Add">
										<INPUT type = "hidden" name = orders_id value = "<%=Server.HTMLEncode(orders_id & "")%>">
										<INPUT type = "hidden" name = name value = "<%=Server.HTMLEncode(name & "")%>">
										<INPUT type = "hidden" name = qty value = "<%=Server.HTMLEncode(qty & "")%>">
										<INPUT type = "hidden" name = customer_id value = "<%=Server.HTMLEncode(customer_id & "")%>">
										<INPUT type = "hidden" name = placed value = "<%=Server.HTMLEncode(placed & "")%>">
										<INPUT type = "hidden" name = code value = "<%=Server.HTMLEncode(code & "")%>">
										<INPUT type = "hidden" name = price value = "<%=Server.HTMLEncode(price & "")%>">
										<INPUT type = "hidden" name = Recompute value = "<%=Recompute%>">
										<INPUT type = "button" class = "button" name = "cmdUpd" value = "Update" Onclick = "fn_validate_orders();" >
										<INPUT type = "button" class = "button" name = "cmdDelete" value = "Delete" Onclick = "fn_RemoveRecord_orders(<%= orders_id %>);" >
										<INPUT type = "button" class = "button" name = "cmdCancel" value = "Cancel" Onclick = "fn_CancelRecord_orders();" >
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

