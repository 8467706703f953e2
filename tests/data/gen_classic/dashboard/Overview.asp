<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp" -->
<!-- **Include server script -->
		<%
	Dim formTopMenuFunctionName, formLeftMenuFunctionName
	formTopMenuFunctionName = "Overview_Top_MenuOnClick"
	formLeftMenuFunctionName = "Overview_Left_MenuOnClick"
	Dim v_year


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
</script>
</head>
<body>
<table width="100%" cellPadding=0 cellSpacing=0>
<tr>
<td>
<!-- **Include page -->
						<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
						<%
							call ShowFromProcedure_Sales_Summary
						%>

						<BR>
						<%
							call ShowOnceDashBoard_Stock
						%>

						<BR>
						<%
							call ShowOnceDashBoard_Empty_Board
						%>

						<BR>
						</TABLE>
<%
Function ShowFromProcedure_Sales_Summary
	set rsDashboardPage = Server.CreateObject("ADODB.Recordset")
	if v_year <> "" and not (isNumeric(v_year) and InStr(v_year, ",") = 0) then v_year = "NULL"
	strQry = "PRC_Regions " & v_year
	rsDashboardPage.Open strQry, glb_con, 1, 2
	If rsDashboardPage.EOF Then
	%>
	<%
		Else
			set rsDashboard = Server.CreateObject("ADODB.Recordset")
			While Not rsDashboardPage.EOF
				strQryDashBoard = "PRC_Summary " & "'" & SingleQuoteToDouble(rsDashboardPage("region")) & "'," & rsDashboardPage("year")
				rsDashboard.Open strQryDashBoard, glb_con, 1, 2
	%>
				<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
					<TR>
					<TD colspan = "2" class = "menutitle" align = "center" bgcolor = "<%=glb_bgBlank%>"> Sales Summary </TD>
					</TR>
				</TABLE>
				<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
					<TR>
						<TD align = center valign = middle bgColor = white class = menutitle width = "23%"> Totals </TD>
						<TD align = center valign = middle bgColor = white class = menutitle width = "23%"> <%="Total &nbsp;"&(rsDashBoard("total")) & " / " & rsDashBoard("region")%> </TD>
					</TR>
					<TR>
						<TD align = center valign = middle bgColor = white class = menutitle width = "23%"> <A href = "../../BaseModule/orders_upd.asp" class = link7> Orders </A> </TD>
						<TD align = center valign = middle bgColor = white class = menutitle width = "23%">
						<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
							<TR>
								<TD align = center valign = middle bgColor = white class = menutitle width = "23%"> Inner </TD>
								<TD align = center valign = middle bgColor = white class = menutitle width = "23%"> &nbsp; </TD>
							</TR>
						</TABLE>
						</TD>
					</TR>
				</TABLE>
				<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
					<TR>
						<TD bgcolor = "<%=glb_bgControl%>" colspan = "10"> &nbsp; </TD>
					</TR>
				</TABLE>
	<%
				rsDashboard.close
				rsDashboardPage.MoveNext
			wend
		End If
		Set rsDashboard = nothing
		Set rsDashboardPage = nothing
End Function
%>
<%
Function ShowOnceDashBoard_Stock
	set rsDashBoard = Server.CreateObject("ADODB.Recordset")
	strQry = "PRC_Stock "
	rsDashBoard.Open strQry, glb_con, 1, 2
%>
<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
	<TR>
	<TD colspan = "3" class = "menutitle" align = "center" bgcolor = "<%=glb_bgBlank%>"> Stock </TD>
	</TR>
</TABLE>
<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
	<TR>
		<TD align = center valign = middle bgColor = white class = menutitle width = "23%"> <A href = "../../BaseModule/orders_add.asp" class = link7> <%="Qty &nbsp;"&(rsDashBoard("total"))%></A> </TD>
		<TD align = center valign = middle bgColor = white class = menutitle width = "23%"> &nbsp; </TD>
	</TR>
</TABLE>
<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
	<TR>
		<TD bgcolor = "<%=glb_bgControl%>" colspan = "10"> &nbsp; </TD>
	</TR>
</TABLE>
<%
End Function
%>
<%
Function ShowOnceDashBoard_Empty_Board
%>
<%
End Function
%>
</td>
</tr>
</table>
</body>
</html>
<!-- **Include close connection -->
<%
CloseConnection()

%>

