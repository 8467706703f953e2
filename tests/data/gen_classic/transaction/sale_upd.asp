<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp" -->
<!-- **Include server script -->
<%
	Dim strQryBasic, rsQryBasic, strQryDetail, rsQryDetail
	Dim formTopMenuFunctionName, formLeftMenuFunctionName
	formTopMenuFunctionName = "sale_upd_Top_MenuOnClick"
	formLeftMenuFunctionName = "sale_upd_Left_MenuOnClick"
	Dim sale_basic_id, customer_id, sdate, remark, sale_line_id, shipped, ddate, qty


	call Check_Login()
	call OpenConnection()
	call GetCurrentFileAndDesignation()

	if Trim(Request("Recompute")) <> "" then
		Recompute = Trim(Request("Recompute"))
	else
		Recompute = 0
	end if
	if Trim(Request("Recompute1")) <> "" then
		Recompute1 = Trim(Request("Recompute1"))
	else
		Recompute1 = 0
	end if
	sale_basic_id = Trim(Request("sale_basic_id"))
	if not (isNumeric(sale_basic_id) and InStr(sale_basic_id, ",") = 0) then sale_basic_id = 0
	if Recompute <> 1 then
		set rsQryBasic = Server.CreateObject("ADODB.Recordset")
		rsQryBasic.Open "PRC_sale_basic_SelectRecord " &sale_basic_id, glb_con,1,2

		if not rsQryBasic.EOF then
			customer_id = rsQryBasic("customer_id")
			if customer_id = "NULL" or isNull(customer_id) then
				customer_id = "0"
			end if
			sdate = rsQryBasic("sdate")
			if sdate = "NULL" or isNull(sdate) then
				sdate = ""
			end if
			remark = rsQryBasic("remark")
			if remark = "NULL" or isNull(remark) then
				remark = ""
			end if
		end if
	else
		if Trim(Request("customer_id")) <> "" then
			customer_id = Trim(Request("customer_id"))
			if customer_id <> "" and not (isNumeric(customer_id) and InStr(customer_id, ",") = 0) then customer_id = "NULL"
		elseif Trim(Request("lst_customer_id")) <> "" then
			customer_id = Trim(Request("lst_customer_id"))
			if customer_id <> "" and not (isNumeric(customer_id) and InStr(customer_id, ",") = 0) then customer_id = "NULL"
		end if
		if Trim(Request("sdate")) <> "" then
			sdate = ConvertDate(Trim(Request("sdate")))
		elseif Trim(Request("txt_sdate")) <> "" then
			sdate = ConvertDate(Trim(Request("txt_sdate")))
		end if
		if Trim(Request("remark")) <> "" then
			remark = Trim(Request("remark"))
		elseif Trim(Request("txt_remark")) <> "" then
			remark = Trim(Request("txt_remark"))
		end if
	end if

	if Trim(Request("hiddenActionControl")) <> "" then
		sAct = Trim(Request("hiddenActionControl"))
	else
		sAct = "Add"
	end if

	if sAct <> "" then
		call ExtractData_sale_line()
	end if

Function ExtractData_sale_line()
	sale_line_id = Trim(Request("sale_line_id"))
	if not (isNumeric(sale_line_id) and InStr(sale_line_id, ",") = 0) then sale_line_id = 0
	if sale_line_id <> "" then
		if Recompute1 <> 1 then
			strQry = "PRC_sale_line_SelectRecord " & sale_line_id
			Set rsGetRecord = server.CreateObject("ADODB.RecordSet")
			rsGetRecord.Open strQry,glb_con,1,2
			if NOT rsGetRecord.EOF then
				sale_line_id = rsGetRecord("sale_line_id")
				customer_id = rsGetRecord("customer_id")
				if customer_id = "NULL" or isNull(customer_id) then
					customer_id = "0"
				end if
				shipped = rsGetRecord("shipped")
				if shipped = "NULL" or isNull(shipped) then
					shipped = ""
				end if
				ddate = rsGetRecord("ddate")
				if ddate = "NULL" or isNull(ddate) then
					ddate = ""
				end if
				qty = rsGetRecord("qty")
				if qty = "NULL" or isNull(qty) then
					qty = ""
				end if
				remark = rsGetRecord("remark")
				if remark = "NULL" or isNull(remark) then
					remark = ""
				end if
			end if
		end if
	end if
End Function

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
	formName.action = "../../BaseModule/sale_upd_action.asp";
	formName.submit();
}

function fn_RemoveRecord_sale_basic(id)
{
	formName = document.frmsale_basic;
	msg=confirm("Do you really want to Delete this Record?")
	if(msg==false)
	{
		return;
	}
	formName.hiddenActionControl.value = "Remove";
	formName.sale_basic_id.value = id;
	formName.action = "../../BaseModule/sale_upd_action.asp";
	formName.submit();
}
function fn_CancelRecord_sale_basic()
{
	var formName;
	formName = document.frmcancel;
	formName.action = "../BaseModule/sale_add.asp";
	formName.submit();
}
function fn_validate_sale_line()
{
	var formName
	formName = document.frmsale_line;

	formName.hiddenActionControl.value = formName.cmdadd.value
	formName.action = "../../BaseModule/sale_line_action.asp";
	formName.submit();
}

function fn_RemoveRecord_sale_line(id)
{
	formName = document.frmsale_line;
	msg=confirm("Do you really want to Delete this Record?")
	if(msg==false)
	{
		return;
	}
	formName.hiddenActionControl.value = "Remove";
	formName.sale_line_id.value = id;
	formName.action = "../../BaseModule/sale_line_action.asp";
	formName.submit();
}
function fn_GetRecord_sale_line(id, conn_str)
{
	var formName
	formName = document.frmsale_line;
	formName.hiddenActionControl.value ="Update";
	var sale_basic_id = formName.sale_basic_id.value;
	var url = "../../BaseModule/sale_upd.asp?" + "sale_line_id=" + encodeURIComponent(id) + "&sale_basic_id="+encodeURIComponent(sale_basic_id);
	formName.action = url;
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
										<INPUT type = "hidden" name = Recompute value = "<%=Recompute%>">
										<INPUT type = "button" class = "button" name = "cmdadd" value = "Update" Onclick = "fn_validate_sale_basic();" >
										<INPUT type = "button" class = "button" name = "cmdDelete" value = "Delete" Onclick = "fn_RemoveRecord_sale_basic(<%= sale_basic_id %>);" >
										<INPUT type = "button" class = "button" name = "cmdCancel" value = "Finish" Onclick = "fn_CancelRecord_sale_basic();" >
									</TD>
								</TR>
						</FORM>
						</TABLE>
						<FORM name = "frmcancel" method = "post" ID="Form1">	</Form>
						<BR>
						<FORM name = "frmsale_line" method = "post">
						<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
							<% if request("strInfo1") <> "" Then %>
							<TR>
								<TD align=center bgColor = <%=glb_bgBlank%> class = message colspan = 4> <% = Server.HTMLEncode(Request("strInfo1")) %> </TD>
							</TR>
							<% end if %>
							<TR>
								<TD align=center bgColor = <%=glb_bgBlank%> class = heading colspan = 4> SALE LINE </TD>
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
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> shipped </TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
										<% if Trim(shipped) = "on" Then %>
										<INPUT type = "checkbox" class=pagetext2inside name = "chk_shipped" checked >
										<% else %>
										<INPUT type = "checkbox" class=pagetext2inside name = "chk_shipped">
										<% end if %>
										</TD>
								</TR>
								<TR>
									<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> ddate </TD>
									<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
										<TABLE border = "0" cellspacing = "0" cellpadding = "0">
											<TR>
												<TD>
													<INPUT type = "text" name = "txt_ddate" class = "pagetext1inside" value = "<% = Server.HTMLEncode(Change_Date_Format(ddate) & "") %>"onKeyUp="date_dash(this,event)" onKeyDown="date_dash(this,event)">
												</TD>
												<TD class = "pagetext1">
													<a href="javascript: void(0);" onmouseover="if (timeoutId) clearTimeout(timeoutId);window.status='Show Calendar';return true;" onmouseout="if (timeoutDelay) calendarTimeout();window.status='';" onclick="g_Calendar.show(event,'frmsale_line.txt_ddate',false,'<%=glb_dateFormat_String%>'); return false;"><img src="../_system/images/calendar.gif" name="imgCalendar" width="32" height="19" border="0" alt=""></a>&nbsp;<%=glb_dateFormat_String%>
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
										<INPUT type = "hidden" name = sale_line_id value = "<%=Server.HTMLEncode(sale_line_id & "")%>">
										<INPUT type = "hidden" name = sale_id value = "<%=Server.HTMLEncode(sale_id & "")%>">
										<INPUT type = "hidden" name = customer_id value = "<%=Server.HTMLEncode(customer_id & "")%>">
										<INPUT type = "hidden" name = shipped value = "<%=Server.HTMLEncode(shipped & "")%>">
										<INPUT type = "hidden" name = ddate value = "<%=Server.HTMLEncode(ddate & "")%>">
										<INPUT type = "hidden" name = qty value = "<%=Server.HTMLEncode(qty & "")%>">
										<INPUT type = "hidden" name = remark value = "<%=Server.HTMLEncode(remark & "")%>">
										<INPUT type = "hidden" name = Recompute1 value = "<%=Recompute1%>">
										<INPUT type = "hidden" name = sale_basic_id value = "<%=Server.HTMLEncode(sale_basic_id & "")%>">
										<INPUT type = "button" class = "button" name = "cmdadd" value = <%=sAct%> Onclick = "fn_validate_sale_line();" >
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

