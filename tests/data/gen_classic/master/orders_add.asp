<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp" -->
<!-- **Include server script -->
<%
	Dim formTopMenuFunctionName, formLeftMenuFunctionName
	formTopMenuFunctionName = "orders_add_Top_MenuOnClick"
	formLeftMenuFunctionName = "orders_add_Left_MenuOnClick"
	Dim orders_id, name, qty, customer_id, placed, code, price


	call Check_Login()
	call OpenConnection()
	call GetCurrentFileAndDesignation()

	IF	orders_name <> "" AND _
orders_customer_id <> "" 	then
	set rsStrQry1 = Server.CreateObject("ADODB.Recordset")
	if orders_customer_id <> "" and not (isNumeric(orders_customer_id) and InStr(orders_customer_id, ",") = 0) then orders_customer_id = "NULL"
	strQry1 = "PRC_price " & _
			"'" & SingleQuoteToDouble(orders_name) & "'" & "," & _
			orders_customer_id
	rsStrQry1.Open strQry1, glb_con,1,2 
	price = rsStrQry1("price")
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

	formName.action = "../../BaseModule/orders_add_action.asp";
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
								<INPUT type = "text" name = txt_price value = "<%=Server.HTMLEncode(price & "")%>">
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
										<INPUT type = "button" class = "button" name = "cmdadd" value = "Add" Onclick = "fn_validate_orders();" >
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

