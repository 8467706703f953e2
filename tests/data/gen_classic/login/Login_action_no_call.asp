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

	sInfo = "Login Failed : Invalid Username or Password."
	redir = "../Login/Login.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
End Function

Function DecideDashboard(DesigId)

	If DesigId = 1 Then
	End If
End Function
Err_Trap()
%>