<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp"-->

<%
	Dim strQry, redir, redirString, sAct, sale_basic_id
	Dim sale_line_id, customer_id, shipped, ddate, qty, remark

	call ExtractData()

	call Check_Login()
	call OpenConnection()

	If sAct <> "Remove" Then
		call ValidateData()
	End If

	call ExecuteQuery()

	call CloseConnection()

	Response.Redirect (redir)

Function ExtractData()
	sAct = Request("hiddenActionControl")
	redirToFile = Trim(Request("redirToFile"))
	sale_basic_id = Trim(Request("sale_basic_id"))
	if not (isNumeric(sale_basic_id) and InStr(sale_basic_id, ",") = 0) then sale_basic_id = 0
	sale_line_id = Trim(Request("sale_line_id"))
	if not (isNumeric(sale_line_id) and InStr(sale_line_id, ",") = 0) then sale_line_id = 0
	customer_id = Trim(Request("lst_customer_id"))
	if customer_id <> "" and not (isNumeric(customer_id) and InStr(customer_id, ",") = 0) then customer_id = "NULL"
	if customer_id = "" or customer_id = "0" then
		customer_id = "NULL"
	end if
	shipped = Trim(Request("chk_shipped"))
	if shipped = "" then
		shipped = "NULL"
	end if
	ddate = Trim(Request("txt_ddate"))
	if ddate = "" then
		ddate = "NULL"
	end if
	qty = Trim(Request("txt_qty"))
	if qty <> "" and not (isNumeric(qty) and InStr(qty, ",") = 0) then qty = "NULL"
	if qty = "" then
		qty = 0 
	end if
	remark = Trim(Request("txt_remark"))
	if remark = "" then
		remark = "NULL"
	end if
	redirString = "customer_id="&Server.URLEncode(customer_id & "")&"&shipped="&Server.URLEncode(shipped & "")&"&ddate="&Server.URLEncode(ddate & "")&"&qty="&Server.URLEncode(qty & "")&"&remark="&Server.URLEncode(remark & "")
End Function

Function ValidateData()
End Function

Function ExecuteQuery()

	set rsQry = server.CreateObject("ADODB.RecordSet")

	If sAct = "Update" Then
		strQry = "PRC_sale_line_Update " & _
					" " &(sale_line_id) &", " & _
					" " &(customer_id) &", " & _
					" '" &SingleQuoteToDouble(shipped) &"', " & _
					" '" &SingleQuoteToDouble(ConvertDate(ddate)) &"', " & _
					" " &(qty) &", " & _
					" '" &SingleQuoteToDouble(remark) &"'"
	Elseif sAct = "Remove" Then
		if not (isNumeric(sale_line_id) and InStr(sale_line_id, ",") = 0) then sale_line_id = 0
		strQry = "PRC_sale_line_Delete " & _
					" " &(sale_line_id) &""
	Elseif sAct = "Add" Then
		strQry = "PRC_sale_line_Insert " & _
					" " &(sale_basic_id) &", " & _
					" " &(customer_id) &", " & _
					" '" &SingleQuoteToDouble(shipped) &"', " & _
					" '" &SingleQuoteToDouble(ConvertDate(ddate)) &"', " & _
					" " &(qty) &", " & _
					" '" &SingleQuoteToDouble(remark) &"'"
	End if

	rsQry = glb_con.Execute(strQry)
	sInfo = rsQry("sInfo")
	if redirToFile <> "" then
		redir = redirToFile
	else
		redir = "../../BaseModule/sale_upd.asp?sale_basic_id=" &Server.URLEncode(sale_basic_id & "") & "&strInfo1=" & Server.URLEncode(sInfo & "")&"&customer_id="&Server.URLEncode(customer_id & "")
	end if
End Function

Err_Trap()
%>
