<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp" -->
<!-- **Include server script -->
<html>
<head>
<title>Kestrane Weavo</title>
<link rel="stylesheet" type="text/css" href="../_system/includes/CSS/Style.css">
<script language="javascript" src="../_system/js/functions.js"></script>
<script language="javascript">
// **Include client functions
</script>
</head>
<frameset rows="40%,*">
<frame name="filter" src="about:blank">
<frame name="report" src="about:blank">
<noframes>
<body>
<!-- **Include page -->
</body>
</noframes>
</frameset>
</html>
<!-- **Include close connection -->
