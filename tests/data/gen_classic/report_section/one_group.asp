		<TABLE align=center border=1 cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
			<TR>
				<TD align = center bgColor = <%=glb_bgBlank%> class = heading colspan = 3> Orders List </TD>
			</TR>

		<INPUT type=hidden name=hiddenActionControl>
		<INPUT type = "hidden" name = v_name value = "<%=v_name%>">
			<%
				strQry = FuncProc_PRC_List(v_name)
				ListPage = "../../BaseModule/Orders_List_report.asp?strQry=strQry"& "'" & SingleQuoteToDouble(v_name) & "'"
				glb_ReportField_FieldName	= "name,amount"
				glb_ReportField_FieldType	= "varchar,Decimal"
				glb_ReportField_DisplayName	= "Name,Amount"
				glb_ReportField_Width	= "10,10"
				glb_ReportField_Alignment	= "left,left"
				glb_ReportField_IsLink	= "N,N"
				glb_ReportField_LinkPage	= ","
				glb_UpdLink_Params		= "N, "
				glb_DelLink_Params		= "N, "
				glb_ReportField_ControlType = ","
				glb_ReportField_ControlValue = glb_ReportField_ControlValue &","


				glb_ReportField_FieldName_Print = Replace(glb_ReportField_FieldName,",",":")
				glb_ReportField_FieldType_Print = Replace(glb_ReportField_FieldType,",",":")
				glb_ReportField_DisplayName_Print = Replace(glb_ReportField_DisplayName,",",":")
				glb_ReportField_Width_Print = Replace(glb_ReportField_Width,",",":")
				glb_ReportField_Alignment_Print = Replace(glb_ReportField_Alignment,",",":")
				strReportHeader = "Orders List<BR>"
				ReportSubHeader = ""
				call Show_ResultList_Plain(strQry,ListPage,glb_con,glb_ReportField_FieldName,glb_ReportField_FieldType,glb_ReportField_DisplayName,glb_ReportField_Width,glb_ReportField_Alignment,glb_ReportField_IsLink,glb_ReportField_LinkPage,glb_SequenceNo_Params,glb_UpdLink_Params,glb_DelLink_Params)
				Function FuncProc_PRC_List(v_name)
					strParam = ""
					strQry = "[PRC_List_"

					If v_name = "" Then
						strQry = strQry & "All"
					else
						strQry = strQry & "name"
						if v_name <> "" then
							strParam = strParam & "'" & SingleQuoteToDouble(v_name) & "',"
						end if
					end if
					strQry = strQry & "] " & strParam
					strQry = Left(strQry, len(strQry)-1)
					FuncProc_PRC_List = strQry
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

