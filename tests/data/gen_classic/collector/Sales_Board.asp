<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp" -->
<!-- **Include server script -->
		<%
	Dim formTopMenuFunctionName, formLeftMenuFunctionName
	formTopMenuFunctionName = "Sales_Board_Top_MenuOnClick"
	formLeftMenuFunctionName = "Sales_Board_Left_MenuOnClick"
	Dim reportCollector_name_var, reportCollector_amount_var


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
function fn_validate_SalesBoard()
{
	var formName
	formName = document.frmSalesBoard;

	formName.action = "../../BaseModule/Sales_Board.asp";
	formName.submit();
}

function set_query()
{
	var formName
	formName = document.frmSalesBoard

	formName.reportCollector_name_var.value = formName.reportCollector_name_var.value
	formName.reportCollector_amount_var.value = formName.reportCollector_amount_var.value
	formName.action = "../../BaseModule/Sales_Board.asp"
	formName.submit();
}
</script>
</head>
<body>
<table width="100%" cellPadding=0 cellSpacing=0>
<tr>
<td>
<!-- **Include page -->
						<FORM name = "frmSalesBoard" method = "post">
						<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
							<% if request("strInfo") <> "" Then %>
							<TR>
								<TD align=center bgColor = <%=glb_bgBlank%> class = message colspan = 4> <% = Server.HTMLEncode(Request("strInfo")) %> </TD>
							</TR>
							<% end if %>
							<TR>
								<TD align=center bgColor = <%=glb_bgBlank%> class = heading colspan = 4> Sales Board </TD>
							</TR>
							<TR>
								<TD align = center bgColor = <%=glb_bgBlank%> class = heading colspan = 3>
									<TABLE align=center border=0 cellPadding=2 cellSpacing=1 class=tableborder2 width="100%">
										<TR>
											<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> name caption </TD>
											<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
												<INPUT class = pagetext2inside name = "txt_name" size = "40" value = "<% = Server.HTMLEncode(reportCollector_name_var & "")%>" maxlength = "20">
											</TD>
											<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> amount caption </TD>
											<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
												<INPUT class = pagetext2inside name = "txt_amount" size = "40" value = "<% = Server.HTMLEncode(reportCollector_amount_var & "")%>" maxlength = "20">
											</TD>
										</TR>
										<TR>
											<TD colspan = 6 align=right bgColor=<%=glb_bgBlank%> width = "25%">
												<INPUT type=hidden name=hiddenActionControl>
												<INPUT type = "hidden" name = reportCollector_name_var value = "<%=reportCollector_name_var%>">
												<INPUT type = "hidden" name = reportCollector_amount_var value = "<%=reportCollector_amount_var%>">
												<INPUT type = "button" class = "button" name = "cmdshow" value = "Show" Onclick = "set_query();" >
											</TD>
										</TR>
									</TABLE>
								</TD>
							</TR>
							<TR>
								<TD bgColor = <%=glb_bgBlank%> align = center valign = top>
									<IFRAME src = "../../BaseModule/Sales_A_ReportCollector.asp?name=<%= Server.URLEncode(reportCollector_name_var & "") %>"  width = 450 height = 250></IFRAME>
								</TD>
								<TD bgColor = <%=glb_bgBlank%> align = center valign = top>
									<IFRAME src = "../../BaseModule/Sales_B_ReportCollector.asp?name=<%= Server.URLEncode(reportCollector_name_var & "") %>"  width = 450 height = 250></IFRAME>
								</TD>
								<TD bgColor = <%=glb_bgBlank%> align = center valign = top>
									<IFRAME src = ""  width = 450 height = 250></IFRAME>
								</TD>
							</TR>
							<TR>
								<TD bgColor = <%=glb_bgBlank%> align = center valign = top>
									<IFRAME src = ""  width = 450 height = 250></IFRAME>
								</TD>
								<TD bgColor = <%=glb_bgBlank%> align = center valign = top>
									<IFRAME src = ""  width = 450 height = 250></IFRAME>
								</TD>
								<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%"> &nbsp </TD>
								<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%"> &nbsp </TD>
							</TR>
							</FORM>
							</TABLE>
							<BR>
</td>
</tr>
</table>
</body>
</html>
<!-- **Include close connection -->

