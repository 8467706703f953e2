<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp" -->
<!-- **Include server script -->
<%
	Dim strQryBasic, rsQryBasic, strQryDetail, rsQryDetail
	Dim formTopMenuFunctionName, formLeftMenuFunctionName
	formTopMenuFunctionName = "sale_add_Top_MenuOnClick"
	formLeftMenuFunctionName = "sale_add_Left_MenuOnClick"
	Dim sale_basic_id, customer_id, sdate, remark


	call Check_Login()
	call OpenConnection()
	call GetCurrentFileAndDesignation()
%>
<html>
<head>
<title>Kestrane Weavo</title>
<link rel="stylesheet" type="text/css" href="../_system/includes/CSS/Style.css">
<script language="javascript" src="../_system/js/functions.js"></script>
<script language="javascript">
// **Include client functions
function fn_validate_sale_basic()
{
	var formName
	formName = document.frmsale_basic;

	formName.hiddenActionControl.value = formName.cmdadd.value
	formName.action = "../../BaseModule/sale_add_action.asp";
	formName.submit();
}

</script>
</head>
<body>
<table width="100%" cellPadding=0 cellSpacing=0>
<tr>
<td>
<!-- **Include page -->
						<FORM name = "frmsale_basic" method = "post">
						<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
							<% if request("strInfo") <> "" Then %>
							<TR>
								<TD align=center bgColor = <%=glb_bgBlank%> class = message colspan = 4> <% = Server.HTMLEncode(Request("strInfo")) %> </TD>
							</TR>
							<% end if %>
							<TR>
								<TD align=center bgColor = <%=glb_bgBlank%> class = heading colspan = 4> SALE </TD>
							</TR>
								<TR>
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> customer_id </TD>
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
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> sdate </TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
										<TABLE border = "0" cellspacing = "0" cellpadding = "0">
											<TR>
												<TD>
													<INPUT type = "text" name = "txt_sdate" class = "pagetext1inside" value = "<% = Server.HTMLEncode(Change_Date_Format(sdate) & "") %>"onKeyUp="date_dash(this,event)" onKeyDown="date_dash(this,event)">
												</TD>
												<TD class = "pagetext1">
													<a href="javascript: void(0);" onmouseover="if (timeoutId) clearTimeout(timeoutId);window.status='Show Calendar';return true;" onmouseout="if (timeoutDelay) calendarTimeout();window.status='';" onclick="g_Calendar.show(event,'frmsale_basic.txt_sdate',false,'<%=glb_dateFormat_String%>'); return false;"><img src="../_system/images/calendar.gif" name="imgCalendar" width="32" height="19" border="0" alt=""></a>&nbsp;<%=glb_dateFormat_String%>
												</TD>
											</TR>
										</TABLE>
										</TD>
								</TR>
								<TR>
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> remark </TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
										<INPUT class = pagetext2inside name = "txt_remark" size = "40" value = "<% = Server.HTMLEncode(remark & "")%>" maxlength = "0">
									</TD>
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"></TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%"> &nbsp </TD>
								</TR>
								<TR>
									<TD colspan = 4 align=right bgColor=<%=glb_bgBlank%> width = "25%">
										<INPUT type=hidden name=hiddenActionControl value = "<%=sAct%>">
										<INPUT type = "hidden" name = sale_basic_id value = "<%=Server.HTMLEncode(sale_basic_id & "")%>">
										<INPUT type = "hidden" name = customer_id value = "<%=Server.HTMLEncode(customer_id & "")%>">
										<INPUT type = "hidden" name = sdate value = "<%=Server.HTMLEncode(sdate & "")%>">
										<INPUT type = "hidden" name = remark value = "<%=Server.HTMLEncode(remark & "")%>">
										<INPUT type = "button" class = "button" name = "cmdadd" value = "Add" Onclick = "fn_validate_sale_basic();" >
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

