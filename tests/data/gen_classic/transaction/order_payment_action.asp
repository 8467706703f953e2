<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp"-->

<%
	Dim strQry, redir, redirString, sAct, order_basic_id
	Dim order_payment_id, paid, pdate

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
	order_basic_id = Trim(Request("order_basic_id"))
	if not (isNumeric(order_basic_id) and InStr(order_basic_id, ",") = 0) then order_basic_id = 0
	order_payment_id = Trim(Request("order_payment_id"))
	if not (isNumeric(order_payment_id) and InStr(order_payment_id, ",") = 0) then order_payment_id = 0
	paid = Trim(Request("chk_paid"))
	if paid = "" then
		paid = "NULL"
	end if
	pdate = Trim(Request("txt_pdate"))
	if pdate = "" then
		pdate = "NULL"
	end if
	redirString = "paid="&Server.URLEncode(paid & "")&"&pdate="&Server.URLEncode(pdate & "")
End Function

Function ValidateData()
End Function

Function ExecuteQuery()

	set rsQry = server.CreateObject("ADODB.RecordSet")

	If sAct = "Update" Then
		strQry = "PRC_order_payment_Update " & _
					" " &(order_payment_id) &", " & _
					" '" &SingleQuoteToDouble(paid) &"', " & _
					" '" &SingleQuoteToDouble(ConvertDate(pdate)) &"'"
	Elseif sAct = "Remove" Then
		if not (isNumeric(order_payment_id) and InStr(order_payment_id, ",") = 0) then order_payment_id = 0
		strQry = "PRC_order_payment_Delete " & _
					" " &(order_payment_id) &""
	Elseif sAct = "Add" Then
		strQry = "PRC_order_payment_Insert " & _
					" " &(order_basic_id) &", " & _
					" '" &SingleQuoteToDouble(paid) &"', " & _
					" '" &SingleQuoteToDouble(ConvertDate(pdate)) &"'"
	End if

	rsQry = glb_con.Execute(strQry)
	sInfo = rsQry("sInfo")
	if redirToFile <> "" then
		redir = redirToFile
	else
		redir = "../../BaseModule/order_entry_upd.asp?order_basic_id=" &Server.URLEncode(order_basic_id & "") & "&strInfo2=" & Server.URLEncode(sInfo & "")&"&buyer_id="&Server.URLEncode(buyer_id & "")
	end if
End Function

Err_Trap()
%>
