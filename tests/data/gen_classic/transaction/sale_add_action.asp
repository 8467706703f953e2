<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp"-->

<%
	Dim strQry, strId, rsId, redir, redirString
	Dim sale_basic_id, customer_id, sdate, remark

	call ExtractData()

	call Check_Login()
	call OpenConnection()

	call ValidateData()
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

		strQry = "PRC_sale_basic_Insert " & _
					" " &(customer_id) &", " & _
					" '" &SingleQuoteToDouble(ConvertDate(sdate)) &"', " & _
					" '" &SingleQuoteToDouble(remark) &"'"
	rsQry = glb_con.Execute(strQry)
	sInfo = rsQry("sInfo")
	sale_basic_id = rsQry("sale_basic_id")
	if redirToFile <> "" then
		redir = redirToFile
	else
		if(sale_basic_id) > 0 then 
			redir = "../../BaseModule/sale_upd.asp?sale_basic_id=" &Server.URLEncode(sale_basic_id & "") & "&strInfo=" & Server.URLEncode(sInfo & "")
		else
			redir = "../../BaseModule/sale_add.asp?sale_basic_id=" &Server.URLEncode(sale_basic_id & "") & "&strInfo=" & Server.URLEncode(sInfo & "")
		end if
	end if
End Function

Err_Trap()
%>
