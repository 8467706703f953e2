<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp"-->

	<%
	Dim strQry, redir
	Dim ordersId
	Dim nameVar, customerVar, odateVar, urgentVar, mode
	Dim qtyParam, noteParam

	call ExtractData()

	call OpenConnection()

	call ValidateData()

	call ExecuteQuery()

	call CloseConnection()

	Response.Redirect (redir)

Function ExtractData()
	if Trim(Request("txt_name")) <> "" then
		nameVar = Trim(Request("txt_name"))
	end if
	if Trim(Request("lst_customer")) <> "" then
		customerVar = Trim(Request("lst_customer"))
	end if
	if Trim(Request("txt_odate")) <> "" then
		odateVar = Trim(Request("txt_odate"))
	end if
	if Trim(Request("chk_urgent")) <> "" then
		urgentVar = Trim(Request("chk_urgent"))
	end if
	if Trim(Request("mode")) <> "" then
		mode = Trim(Request("mode"))
	else
		mode = New(1)
	end if
	sAct = Request("hiddenActionControl")
	ordersId = Trim(Request("ordersId"))
	if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = 0
	qtyParam = Trim(Request("txt_qty"))
	noteParam = Trim(Request("file_note"))
	redirString = "name="&Server.URLEncode(nameVar & "")&"&customer="&Server.URLEncode(customerVar & "")&"&odate="&Server.URLEncode(odateVar & "")&"&urgent="&Server.URLEncode(urgentVar & "")&"&qty="&Server.URLEncode(qtyParam & "")&"&note="&Server.URLEncode(noteParam & "")

End Function

Function ValidateData()
	IF qtyParam = "" THEN
		sInfo = "Please enter qty caption"
		redir = "../LoginBaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		exit Function
	ELSEIF isNumeric(qtyParam) = false THEN
		sInfo = "Please enter valid numeric value"
		redir = "../LoginBaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		exit Function
	END IF
	IF nameVar = "" THEN
		sInfo = "Please enter name caption"
		redir = "../LoginBaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		exit Function
	END IF
	IF customerVar = "0" THEN
		sInfo = "Please enter customer caption"
		redir = "../LoginBaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		exit Function
	ELSEIF isNumeric(customerVar) = false THEN
		sInfo = "Please enter valid numeric value"
		redir = "../LoginBaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		exit Function
	END IF
	IF odateVar = "" THEN
		sInfo = "Please enter odate caption"
		redir = "../LoginBaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		exit Function
	ELSEIF isDate(odateVar) = false THEN
		sInfo = "Please enter valid date"
		redir = "../LoginBaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		exit Function
	END IF
End Function

Function ExecuteQuery()

	set rsQry = server.CreateObject("ADODB.RecordSet")

	if qtyParam <> "" and not (isNumeric(qtyParam) and InStr(qtyParam, ",") = 0) then qtyParam = "NULL"
	strQry = "PRC_orders_save " & "'" & SingleQuoteToDouble(nameVar) & "'," & qtyParam & "," & "'" & SingleQuoteToDouble(odateVar) & "'"
	glb_con.Execute(strQry)

	redir = "?orders_id=" & Server.URLEncode(ordersId & "") & "&name=" & Server.URLEncode(nameVar & "") & "&customer=" & Server.URLEncode(customerVar & "") & "&odate=" & Server.URLEncode(odateVar & "") & "&urgent=" & Server.URLEncode(urgentVar & "") & "&mode=" & Server.URLEncode(mode & "")
End Function

Err_Trap()
%>