<%
' Stand-in of the shared colour list the chart data pages name.
%>
