<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp"-->

	<%
	Dim strQry, rsQry
	Dim redir, redirString
	Dim user_name, password


	call ExtractData()

	call OpenConnection()

	call ValidateData()
	call ExecuteQuery()

	call CloseConnection()

	Response.Redirect (redir)

Function ExtractData()
	if Trim(Request("txt_user_name")) <> "" then
		user_name = Trim(Request("txt_user_name"))
	end if
	if Trim(Request("txt_password")) <> "" then
		password = Trim(Request("txt_password"))
	end if
	redirString = "user_name="&Server.URLEncode(user_name & "")

End Function

Function ValidateData()
	IF user_name = "" THEN
		sInfo = "Please enter User Name"
		redir = "../Login/Login.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		exit Function
	END IF
	IF password = "" THEN
		sInfo = "Please enter Password"
		redir = "../Login/Login.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		exit Function
	END IF
End Function

Function ExecuteQuery()

	strQry = "PRC_Login " & "'" & SingleQuoteToDouble(user_name) & "'," & "'" & SingleQuoteToDouble(password) & "'"
	set rsQry = server.CreateObject("ADODB.RecordSet")

	rsQry.Open strQry, glb_con, 1, 2
	If rsQry.EOF Then
		sInfo = "Login Failed : Invalid Username or Password."
		redir = "../Login/Login.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
	Else
		Response.cookies("username") = user_name
		Response.cookies("password") = ""
		Response.cookies("glb_EmployeeId") = rsQry("Employee_Id")
		Response.cookies("glb_DesigId") = rsQry("Desig_Id")
		Session("glb_EmployeeId") = rsQry("Employee_Id")
		Session("glb_DesigId") = rsQry("Desig_Id")
		redir = DecideDashboard(rsQry("Desig_Id"))
	End if
End Function

Function DecideDashboard(DesigId)

	If DesigId = 1 Then
		DecideDashboard = "../../BaseModule/Home.asp"
	ElseIf DesigId = 2 Then
	ElseIf DesigId = 3 Then
		DecideDashboard = "../../BaseModule/Sales_Board.asp"
	End If
End Function
Err_Trap()
%>