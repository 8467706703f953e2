<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp" -->
<html>
<head>
<title>Kestrane Weavo</title>
<link rel="stylesheet" type="text/css" href="../_system/includes/CSS/Style.css">
<script language="javascript">
function fn_validate()
{
	var formName = document.frmLogin;
	if (formName.txt_user_name.value == "")
	{
		alert("Please enter User Name");
		formName.txt_user_name.focus();
		return;
	}
	if (formName.txt_password.value == "")
	{
		alert("Please enter Password");
		formName.txt_password.focus();
		return;
	}
	formName.action = "Login_action.asp";
	formName.submit();
}
</script>
</head>
<body>
<br><br>
<FORM name = "frmLogin" method = "post" action = "Login_action.asp">
<TABLE align = center cellPadding = 2 cellSpacing = 1 class = tableborder2 width="60%">
	<% if Request("strInfo") <> "" Then %>
	<TR>
		<TD align=center class = message colspan = 2> <%= Server.HTMLEncode(Request("strInfo")) %> </TD>
	</TR>
	<% end if %>
	<TR>
		<TD align=center class = heading colspan = 2> Login Page </TD>
	</TR>
	<TR>
		<TD class = label> User Name </TD>
		<TD class = data><INPUT type = "text" name = "txt_user_name" maxlength = 10 value = "<%= Server.HTMLEncode(Request("user_name")) %>"></TD>
	</TR>
	<TR>
		<TD class = label> Password </TD>
		<TD class = data><INPUT type = "password" name = "txt_password" maxlength = 10></TD>
	</TR>
	<TR>
		<TD align=center colspan = 2>
			<INPUT type = "button" class = "button" name = "cmdadd" value = "Login" Onclick = "fn_validate();" >
		</TD>
	</TR>
</TABLE>
</FORM>
</body>
</html>
