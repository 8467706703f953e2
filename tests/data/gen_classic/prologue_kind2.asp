<%
' WritePagePrologue
	Dim fnTop, fnLeft
	Dim ordersId, customerVar, odateVar, nameVar, qtyVar, noteVar
	Dim rsQry, strQry

	if Trim(Request("ordersId")) <> "" then
		ordersId = Trim(Request("ordersId"))
		if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = 0
	end if
	if Trim(Request("odateVar")) <> "" then
		odateVar = ConvertDate(Trim(Request("odateVar")))
	end if
	if Trim(Request("nameVar")) <> "" then
		nameVar = Trim(Request("nameVar"))
	elseif Trim(Request("txt_name")) <> "" then
		nameVar = Trim(Request("txt_name"))
	else
		nameVar = "ab""c"
	end if
	if Trim(Request("qtyVar")) <> "" then
		qtyVar = Trim(Request("qtyVar"))
		if qtyVar <> "" and not (isNumeric(qtyVar) and InStr(qtyVar, ",") = 0) then qtyVar = "NULL"
	else
		qtyVar = 0
	end if

	call Check_Login()
	call OpenConnection()
	call GetCurrentFileAndDesignation()
' WriteDims
	Dim ordersId, customerVar, odateVar, nameVar, qtyVar, noteVar

' WriteFieldRequestBlocks
	if Trim(Request("ordersId")) <> "" then
		ordersId = Trim(Request("ordersId"))
		if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = 0
	end if
	if Trim(Request("odateVar")) <> "" then
		odateVar = ConvertDate(Trim(Request("odateVar")))
	end if
	if Trim(Request("nameVar")) <> "" then
		nameVar = Trim(Request("nameVar"))
	elseif Trim(Request("txt_name")) <> "" then
		nameVar = Trim(Request("txt_name"))
	else
		nameVar = "ab""c"
	end if
	if Trim(Request("qtyVar")) <> "" then
		qtyVar = Trim(Request("qtyVar"))
		if qtyVar <> "" and not (isNumeric(qtyVar) and InStr(qtyVar, ",") = 0) then qtyVar = "NULL"
	else
		qtyVar = 0
	end if
' WriteExtractDataFunction
Function ExtractData()
	sAct = Request("hiddenActionControl")
	redirToFile = Trim(Request("redirToFile"))
	ordersId = Trim(Request("ordersId"))
	if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = 0
	customerVar = Trim(Request("lst_customer"))
	if customerVar <> "" and not (isNumeric(customerVar) and InStr(customerVar, ",") = 0) then customerVar = "NULL"
	if customerVar = "" or customerVar = "0" then
		customerVar = "NULL"
	end if
	odateVar = MakeDateTimeVar(Trim(Request("odateVar")), Trim(Request("lst_hrs_txt_odate")), Trim(Request("lst_mins_txt_odate")))
	if odateVar = "" then
		odateVar = "NULL"
	end if
	nameVar = Trim(Request("txt_name"))
	if nameVar = "" then
		nameVar = "NULL"
	end if
End Function

' WriteDerivedFieldQueries
		if  customerVar <> "" and nameVar <> "" and nameVar > 0 then
			Set rsQry = Server.CreateObject("ADODB.RecordSet")
			if customerVar <> "" and not (isNumeric(customerVar) and InStr(customerVar, ",") = 0) then customerVar = "NULL"
			strQry = "PRC_orders_fill " & customerVar & "," & "'" & SingleQuoteToDouble(nameVar) & "'"
			rsQry.Open strQry,glb_con,1,2
			IF rsQry.EOF then
				ordersId = 0
				odateVar = ""
				nameVar = ""
				qtyVar = ""
			ELSE
				ordersId = rsQry("orders_id")
				odateVar = rsQry("odate")
				nameVar = rsQry("name")
				qtyVar = rsQry("qty")
			END IF
			rsQry.Close
		end if

%>
