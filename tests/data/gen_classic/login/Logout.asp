<%@ LANGUAGE="VBScript" %>
<!-- #include file = "../_system/includes/functions.asp" -->

<%
	On Error Resume Next
	call Logout
	Err_Trap()
	Response.redirect("../Login/login.asp")
	Err_Trap()
%>
