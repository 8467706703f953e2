<html>
<head>
<title>Kestrane Weavo</title>
<link rel="stylesheet" type="text/css" href="../../includes/CSS/Style.css">
<!-- **Include scripts -->
</head>
<body>
<!-- **Include page -->
</body>
</html>
