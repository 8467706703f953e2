<%
' Stand-in of the shared include the generated pages name.
%>
