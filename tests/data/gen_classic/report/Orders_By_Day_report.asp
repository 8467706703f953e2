<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp" -->
<!-- **Include server script -->
		<%
	Dim formTopMenuFunctionName, formLeftMenuFunctionName
	formTopMenuFunctionName = "Orders_By_Day_report_Top_MenuOnClick"
	formLeftMenuFunctionName = "Orders_By_Day_report_Left_MenuOnClick"
	Dim name, placed


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
function set_query()
{
	var formName
	formName = document.frmOrdersByDay

	formName.name.value = formName.name.value
	formName.placed.value = formName.placed.value
	formName.hiddenActionControl.value = "Show";
	formName.action = "../../BaseModule/Orders_By_Day_report.asp"
	formName.submit();
}
function fn_print()
{
	var formName
	formName = document.frmOrdersByDay

	formName.action = "Report_Print.asp"
	formName.submit();
}
function fn_Close()
{
	var formName
	formName = document.frmOrdersByDay
	formName.action = "../../BaseModule/Orders_By_Day_action.asp"
	formName.submit();
}
</script>
</head>
<body>
<table width="100%" cellPadding=0 cellSpacing=0>
<tr>
<td>
<!-- **Include page -->
		<FORM name = "frmOrdersByDay" method = "post">
 		<TABLE align=center border=1 cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
					<TR>
						<TD align = center bgColor = <%=glb_bgBlank%> class = heading colspan = 2> Orders By Day </TD>
					</TR>

				<TR>
					<TD align = center bgColor = <%=glb_bgBlank%> class = heading colspan = 2>
						<TABLE align=center border=0 cellPadding=2 cellSpacing=1 class=tableborder2 width="100%">
							<TR>
								<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> name caption </TD>
								<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
									<INPUT class = pagetext2inside name = "txt_name" size = "40" value = "<% = Server.HTMLEncode(name & "")%>" maxlength = "20">
								</TD>
								<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> placed caption </TD>
								<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
									<INPUT class = pagetext2inside name = "txt_placed" size = "40" value = "<% = Server.HTMLEncode(placed & "")%>" maxlength = "20">
								</TD>
							</TR>
				</TABLE>
			</TD>
		</TR>
					<TR>
						<TD colspan = 2 align=right bgColor=<%=glb_bgBlank%> width = "25%">
							<INPUT type=hidden name=hiddenActionControl>
							<INPUT type = "hidden" name = name value = "<%=name%>">
							<INPUT type = "hidden" name = placed value = "<%=placed%>">
							<INPUT type = "hidden" name = orders_id >
							<INPUT type = "button" class = "button" name = "cmdshow" value = "Show" Onclick = "set_query();" >
						</TD>
					</TR>
				<tr bgColor = "<%=glb_bgBlank%>" class="menutitle">
					<th align='center' width="10%">PRC_Lines</th>
				</tr>
				<%

				call ShowOutput_0(name,placed)

				%>

			</TABLE>
		</FORM>
<%
FUNCTION ShowOutput_0(name,placed)

	Dim rsReport0, strQry0 

	set rsReport0 = server.CreateObject("ADODB.RecordSet")
	strQry0 = "PRC_Orders "& "'" & SingleQuoteToDouble(name) & "'," & "'" & SingleQuoteToDouble(placed) & "'"
	rsReport0.Open strQry0,glb_con,1,2

	If rsReport0.EOF Then
	Else
			While Not rsReport0.EOF
			%>
			<tr>
				<td colspan=1 class="menutitle" bgcolor=<%=glb_bgBlank%>><%=rsreport0("name")%></td>
				<td colspan=1 class="menutitle" bgcolor=<%=glb_bgBlank%>><%=rsreport0("orders_id")%></td>
			</tr>
			<%

			call ShowOutput_1(rsReport0("orders_id"))

			rsReport0.MoveNext
		Wend
	End If
	rsReport0.Close
	set rsReport0 = Nothing

END FUNCTION

FUNCTION ShowOutput_1(id)

	Dim rsReport1, strQry1 

	set rsReport1 = server.CreateObject("ADODB.RecordSet")
	if id <> "" and not (isNumeric(id) and InStr(id, ",") = 0) then id = "NULL"
	strQry1 = "PRC_Days " & id
	rsReport1.Open strQry1,glb_con,1,2

	If rsReport1.EOF Then
	Else
			While Not rsReport1.EOF
			%>
			<tr>
				<td colspan=1 class="menutitle" bgcolor=<%=glb_bgBlank%>><%=rsreport1("name")%></td>
			</tr>
			<%

			call ShowOutput_2(rsReport1("orders_id"))

			rsReport1.MoveNext
		Wend
	End If
	rsReport1.Close
	set rsReport1 = Nothing

END FUNCTION

FUNCTION ShowOutput_2(id)

	Dim strQry2
	if id <> "" and not (isNumeric(id) and InStr(id, ",") = 0) then id = "NULL"
	strQry2 = "PRC_Lines " &id
	ListPage = "../../BaseModule/Orders_By_Day_report.asp?strQry=strQry"
	glb_ReportField_FieldName	= "name"
	glb_ReportField_FieldType	= "varchar"
	glb_ReportField_DisplayName	= "PRC_Lines"
	glb_ReportField_Width	= "10"
	glb_ReportField_Alignment	= "left"
	glb_ReportField_IsLink	= "N"
	glb_ReportField_LinkPage	= ""
	call Show_ResultList_InnerGroup(strQry2,glb_con,glb_ReportField_FieldName,glb_ReportField_FieldType,glb_ReportField_Width,glb_ReportField_Alignment,glb_ReportField_IsLink,glb_ReportField_LinkPage)

END FUNCTION

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

