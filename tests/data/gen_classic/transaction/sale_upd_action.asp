<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp"-->

<%
	Dim strQry, redir, redirString, sAct
	Dim sale_basic_id, customer_id, sdate, remark

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
	if sale_basic_id <> "" and not (isNumeric(sale_basic_id) and InStr(sale_basic_id, ",") = 0) then sale_basic_id = 0
	customer_id = Trim(Request("lst_customer_id"))
	if customer_id <> "" and not (isNumeric(customer_id) and InStr(customer_id, ",") = 0) then customer_id = "NULL"
	if customer_id = "" or customer_id = "0" then
		customer_id = "NULL"
	end if
	sdate = Trim(Request("txt_sdate"))
	if sdate = "" then
		sdate = "NULL"
	end if
	remark = Trim(Request("txt_remark"))
	if remark = "" then
		remark = "NULL"
	end if
End Function

Function ValidateData()
End Function

Function ExecuteQuery()

	set rsQry = server.CreateObject("ADODB.RecordSet")

	If sAct = "Update" Then
		strQry = "PRC_sale_basic_Update " & _
					" " &(sale_basic_id) &", " & _
					" " &(customer_id) &", " & _
					" '" &SingleQuoteToDouble(ConvertDate(sdate)) &"', " & _
					" '" &SingleQuoteToDouble(remark) &"'"
	ElseIf sAct = "Remove" Then
		if not (isNumeric(sale_basic_id) and InStr(sale_basic_id, ",") = 0) then sale_basic_id = 0
		strQry = "PRC_sale_basic_Delete " & _
					" " &(sale_basic_id) &""
	End if

	rsQry = glb_con.Execute(strQry)
	sInfo = rsQry("sInfo")
	if redirToFile <> "" then
		redir = redirToFile
	elseif sAct = "Remove" then
		redir = "../../BaseModule/sale_add.asp?strInfo=" & Server.URLEncode(sInfo & "")
	else
		redir = "../../BaseModule/sale_upd.asp?sale_basic_id=" &Server.URLEncode(sale_basic_id & "") & "&strInfo=" & Server.URLEncode(sInfo & "")

	end if
End Function

Err_Trap()
%>
