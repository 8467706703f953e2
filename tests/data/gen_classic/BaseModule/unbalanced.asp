<%
Function ValidateData()
	IF a = "" THEN
		exit Function
End Function
%>
