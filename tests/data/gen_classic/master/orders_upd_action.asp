<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp"-->

<%
	Dim strQry, redir, redirString, sAct, redirToFile
	Dim orders_id, name, qty, customer_id, placed, code, price

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
	orders_id = Trim(Request("orders_id"))
	if orders_id <> "" and not (isNumeric(orders_id) and InStr(orders_id, ",") = 0) then orders_id = 0
	name = Trim(Request("txt_name"))
	qty = Trim(Request("txt_qty"))
	if qty <> "" and not (isNumeric(qty) and InStr(qty, ",") = 0) then qty = 0
	customer_id = Trim(Request("lst_customer_id"))
	if customer_id <> "" and not (isNumeric(customer_id) and InStr(customer_id, ",") = 0) then customer_id = "NULL"
	if customer_id = "" or customer_id = "0" then
		customer_id = "NULL"
	end if
	placed = Trim(Request("txt_placed"))
	if placed = "" then
		placed = "NULL"
	end if
	code = Trim(Request("code"))
	price = Trim(Request("txt_price"))
	if price <> "" and not (isNumeric(price) and InStr(price, ",") = 0) then price = "NULL"
	if price = "" then
		price = 0 
	end if
End Function

Function ValidateData()
	IF name = "" THEN
		sInfo = "Please enter valid name caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	END IF
	IF qty = "" THEN
		sInfo = "Please enter valid qty caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	ELSEIF isNumeric(qty) = false THEN
		sInfo = "Please enter valid qty caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	END IF
End Function

Function ExecuteQuery()

	set rsQry = server.CreateObject("ADODB.RecordSet")

	If sAct = "Update" Then

		strQry = "PRC_orders_Update " & _
				" " &(orders_id) &", " & _
				" '" &SingleQuoteToDouble(name) &"', " & _
				" " &(qty) &", " & _
				" " &(customer_id) &", " & _
				" '" &SingleQuoteToDouble(ConvertDate(placed)) &"', " & _
				" '" &SingleQuoteToDouble(code) &"', " & _
				" " &(price) &""
	Elseif sAct = "Remove" Then
		if not (isNumeric(orders_id) and InStr(orders_id, ",") = 0) then orders_id = 0
		strQry = "PRC_orders_Delete " &orders_id
	End if

	rsQry = glb_con.Execute(strQry)
	sInfo = rsQry("sInfo")
	if redirToFile <> "" then
		redir = redirToFile
	elseif sAct = "Remove" then
		redir = "../../BaseModule/orders_add.asp?strInfo=" & Server.URLEncode(sInfo & "")
	else
		redir = "../../BaseModule/orders_add.asp?strInfo=" & Server.URLEncode(sInfo & "")&"&customer_id="&Server.URLEncode(customer_id & "")
	
end if
	End Function

Err_Trap()
%>
