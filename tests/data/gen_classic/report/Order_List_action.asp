<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp"-->

<%
	Dim name, placed

	call ExtractData()

	call Check_Login()
	call OpenConnection()

	call ValidateData()
	call ExecuteQuery()

	call CloseConnection()

	Response.Redirect (redir)

Function ExtractData()
	redirToFile = Trim(Request("redirToFile"))
End Function

Function ValidateData()
End Function

Function ExecuteQuery()

	ExecuteQueryForButtonInReportFields("PRC_Close$orders_id#Y", "../../BaseModule/Order_List_report.asp")
End Function
Err_Trap()
%>
