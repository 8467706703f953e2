<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp"-->
<%
' **Include
%>
<html>
<head>
<script language=javascript>
function fn_check(form) { return form != null; }
</script>
</head>
<body>
<!-- **Include -->
</body>
</html>
