<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp" -->
<!-- **Include server script -->
		<%
	Dim formTopMenuFunctionName, formLeftMenuFunctionName
	formTopMenuFunctionName = "Order_List_report_Top_MenuOnClick"
	formLeftMenuFunctionName = "Order_List_report_Left_MenuOnClick"
	Dim name, placed


	call Check_Login()
	call OpenConnection()
	call GetCurrentFileAndDesignation()
Function ExtractData()
	name = Trim(Request("txt_name"))
	placed = ConvertDate(Trim(Request("txt_placed")))
End Function

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
	formName = document.frmOrderList

	formName.name.value = formName.name.value
	formName.placed.value = formName.placed.value
	formName.hiddenActionControl.value = "Show";
	formName.action = "../../BaseModule/Order_List_report.asp"
	formName.submit();
}
function fn_print()
{
	var formName
	formName = document.frmOrderList

	formName.action = "Report_Print.asp"
	formName.submit();
}
function fn_Close()
{
	var formName
	formName = document.frmOrderList
	formName.action = "../../BaseModule/Order_List_action.asp"
	formName.submit();
}
</script>
</head>
<body>
<table width="100%" cellPadding=0 cellSpacing=0>
<tr>
<td>
<!-- **Include page -->
						<FORM name = "frmOrderList" method = "post">
 						<TABLE align=center border=1 cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
							<TR>
								<TD align = center bgColor = <%=glb_bgBlank%> class = heading colspan = 3> Order List </TD>
							</TR>

				<TR>
					<TD align = center bgColor = <%=glb_bgBlank%> class = heading colspan = 3>
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
							<TR>
								<TD colspan = 3 align=right bgColor=<%=glb_bgBlank%> width = "25%">
									<INPUT type=hidden name=hiddenActionControl>
									<INPUT type = "hidden" name = name value = "<%=name%>">
									<INPUT type = "hidden" name = placed value = "<%=placed%>">
									<INPUT type = "hidden" name = orders_id >
									<INPUT type = "button" class = "button" name = "cmdshow" value = "Show" Onclick = "set_query();" >
								</TD>
							</TR>
						</TABLE>
					</TD>
				</TR>
							<%
								strQry = FuncProc_PRC_Orders(name, placed)
								ListPage = "../../BaseModule/Order_List_report.asp?strQry=strQry"& "'" & SingleQuoteToDouble(name) & "'," & "'" & SingleQuoteToDouble(placed) & "'"
								glb_ReportField_FieldName	= "name,orders_id"
								glb_ReportField_FieldType	= "varchar,int"
								glb_ReportField_DisplayName	= "Name,Close"
								glb_ReportField_Width	= "10,10"
								glb_ReportField_Alignment	= "left,left"
								glb_ReportField_IsLink	= "N,N"
								glb_ReportField_LinkPage	= ","
								glb_UpdLink_Params		= "N, "
								glb_DelLink_Params		= "N, "
								glb_ReportField_ControlType = ",Button"
								glb_ReportField_ControlValue = glb_ReportField_ControlValue &","
								glb_ReportField_ControlValue = "PRC_Close$orders_id#Y"


								glb_ReportField_FieldName_Print = Replace(glb_ReportField_FieldName,",",":")
								glb_ReportField_FieldType_Print = Replace(glb_ReportField_FieldType,",",":")
								glb_ReportField_DisplayName_Print = Replace(glb_ReportField_DisplayName,",",":")
								glb_ReportField_Width_Print = Replace(glb_ReportField_Width,",",":")
								glb_ReportField_Alignment_Print = Replace(glb_ReportField_Alignment,",",":")
								strReportHeader = "Order List<BR>"&"name caption"&name&"placed caption"&placed
								ReportSubHeader = ""
								call Show_ResultList_Control(strQry,ListPage,glb_con,glb_ReportField_FieldName,glb_ReportField_FieldType,glb_ReportField_DisplayName,glb_ReportField_Width,glb_ReportField_Alignment,glb_ReportField_IsLink,glb_ReportField_LinkPage,glb_SequenceNo_Params,glb_UpdLink_Params,glb_DelLink_Params,glb_ReportField_ControlType,glb_ReportField_ControlValue)
								Function FuncProc_PRC_Orders(name, placed)
									strParam = ""
									strQry = "[PRC_Orders_"

									If name = "" Then
										strQry = strQry & "All_"
									else
										strQry = strQry & "name_"
										if name <> "" then
											strParam = strParam & "'" & SingleQuoteToDouble(name) & "',"
										end if
									end if
									If placed = "" Then
										strQry = strQry & "All"
									else
										strQry = strQry & "placed"
										if placed <> "" then
											strParam = strParam & "'" & SingleQuoteToDouble(placed) & "',"
										end if
									end if
									strQry = strQry & "] " & strParam
									strQry = Left(strQry, len(strQry)-1)
									FuncProc_PRC_Orders = strQry
								End Function
							%>
							<!--TR>
								<TD align=right bgColor=<%=glb_bgBlank%> colspan="3">
									<INPUT type="hidden" name="strQry" value="<%=strQry%>">
									<INPUT type="hidden" name="strReportHeader" value="<%=strReportHeader%>">
									<INPUT type="hidden" name="glb_ReportField_FieldName" value="<%=glb_ReportField_FieldName_Print%>">
									<INPUT type="hidden" name="glb_ReportField_FieldType" value="<%=glb_ReportField_FieldType_Print%>">
									<INPUT type="hidden" name="glb_ReportField_DisplayName" value="<%=glb_ReportField_DisplayName_Print%>">
									<INPUT type="hidden" name="glb_ReportField_Width" value="<%=glb_ReportField_Width_Print%>">
									<INPUT type="hidden" name="glb_ReportField_Alignment" value="<%=glb_ReportField_Alignment_Print%>">
									<INPUT type="button" class="button" name="cmdPrint" value="Print" OnClick="fn_print();">
								</TD>
							</TR-->
						</TABLE>
						</FORM>
</td>
</tr>
</table>
</body>
</html>
<!-- **Include close connection -->
<%
	CloseConnection()
%>

