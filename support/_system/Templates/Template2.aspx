<html>
<head>
<title>Kestrane Weavo</title>
<link rel="stylesheet" type="text/css" href="../../includes/CSS/Style.css">
<!-- **Include scripts -->
</head>
<body>
<table width="100%" cellpadding="0" cellspacing="0">
<tr>
<td><img src="../../includes/images/logo.jpg" alt=""></td>
</tr>
<tr>
<td>
<!-- **Include page -->
</td>
</tr>
</table>
</body>
</html>
