<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp"-->

<%
	Dim strQry, rsQry, sAct, redir, redirString, redirToFile
	Dim items_id, orders_id, product, qty, delivered, Region

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
	items_id = Trim(Request("items_id"))
	if not (isNumeric(items_id) and InStr(items_id, ",") = 0) then items_id = 0
	orders_id = Trim(Request("lst_orders_id"))
	if orders_id <> "" and not (isNumeric(orders_id) and InStr(orders_id, ",") = 0) then orders_id = 0
	product = Trim(Request("txt_product"))
	qty = Trim(Request("txt_qty"))
	if qty <> "" and not (isNumeric(qty) and InStr(qty, ",") = 0) then qty = "NULL"
	if qty = "" then
		qty = "NULL"
	end if
	delivered = MakeDateTimeVar(Trim(Request("txt_delivered")), Trim(Request("lst_hrs_delivered")), Trim(Request("lst_mins_delivered")))
	if delivered = "" then
		delivered = "NULL"
	end if
	Region = Trim(Request("txt_Region"))
	if Region <> "" and not (isNumeric(Region) and InStr(Region, ",") = 0) then Region = 0
	redirString = "orders_id="&Server.URLEncode(orders_id & "")&"&product="&Server.URLEncode(product & "")&"&qty="&Server.URLEncode(qty & "")&"&delivered="&Server.URLEncode(delivered & "")&"&Region="&Server.URLEncode(Region & "")

End Function

Function ValidateData()
	IF orders_id = "0" THEN
		sInfo = "Please enter valid orders_id caption"
		redir = "../../BaseModule/items_addReport.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	ELSEIF isNumeric(orders_id) = false THEN
		sInfo = "Please enter valid orders_id caption"
		redir = "../../BaseModule/items_addReport.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	END IF
	IF product = "" THEN
		sInfo = "Please enter valid product caption"
		redir = "../../BaseModule/items_addReport.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	END IF
	IF Region = "" THEN
		sInfo = "Please enter valid Region"
		redir = "../../BaseModule/items_addReport.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	ELSEIF isNumeric(Region) = false THEN
		sInfo = "Please enter valid Region"
		redir = "../../BaseModule/items_addReport.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	END IF
End Function

Function ExecuteQuery()

	set rsQry = server.CreateObject("ADODB.RecordSet")

	If sAct = "Add" Then

		strQry = "PRC_items_Insert " & _
				" " &(orders_id) &", " & _
				" '" &SingleQuoteToDouble(product) &"', " & _
				" " &(qty) &", " & _
				" '" &SingleQuoteToDouble(ConvertDate(delivered)) &"'"
	Elseif sAct = "Update" Then
		strQry = "PRC_items_Update " & _
				" " &(items_id) &", " & _
				" " &(orders_id) &", " & _
				" '" &SingleQuoteToDouble(product) &"', " & _
				" " &(qty) &", " & _
				" '" &SingleQuoteToDouble(ConvertDate(delivered)) &"'"
	Elseif sAct = "Remove" Then
		strQry = "PRC_items_Delete " &items_id
	End if

	rsQry = glb_con.Execute(strQry)
	sInfo = rsQry("sInfo")

	if redirToFile <> "" then
		redir = redirToFile
	else
		redir = "../../BaseModule/items_addReport.asp?Region=" &Server.URLEncode(Region & "")& "&strInfo="& Server.URLEncode(sInfo & "")
	end if
End Function

Err_Trap()
%>
