<%@ LANGUAGE = "VBScript" %>
<!-- #include file = "../_system/includes/functions.asp" -->
<!-- **Include server script -->
<%
	Dim formTopMenuFunctionName, formLeftMenuFunctionName
	formTopMenuFunctionName = "Order_List_report_Top_MenuOnClick"
	formLeftMenuFunctionName = "Order_List_report_Left_MenuOnClick"
	Dim name, placed


	call Check_Login()
	call OpenConnection()
	call GetCurrentFileAndDesignation()
	strDataURL = "../../BaseModule/Order_List_action.asp"
	strGraph = "./Charts/Column2D.swf?chartWidth=350&chartHeight=300"

%>
<html>
<head>
<title>Kestrane Weavo</title>
<link rel="stylesheet" type="text/css" href="../_system/includes/CSS/Style.css">
<script language="javascript" src="../_system/js/functions.js"></script>
<script language="javascript">
// **Include client functions
function set_query()
{
	var formName
	formName = document.frmOrderList

	formName.name.value = formName.name.value
	formName.placed.value = formName.placed.value
	formName.hiddenActionControl.value = "Show";
	formName.action = "../../BaseModule/Order_List_report.asp"
	formName.submit();
}
function fn_print()
{
	var formName
	formName = document.frmOrderList

	formName.action = "Report_Print.asp"
	formName.submit();
}
function fn_Close()
{
	var formName
	formName = document.frmOrderList
	formName.action = "../../BaseModule/Order_List_action.asp"
	formName.submit();
}
</script>
</head>
<body>
<table width="100%" cellPadding=0 cellSpacing=0>
<tr>
<td>
<!-- **Include page -->
<FORM name = "frmOrderList" method = "post">
<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
	<% if request("strInfo") <> "" Then %>
	<TR>
		<TD align=center bgColor = <%=glb_bgBlank%> class = message colspan = 4> <% = Server.HTMLEncode(Request("strInfo")) %> </TD>
	</TR>
	<% end if %>
	<TR>
		<TD align=center bgColor = <%=glb_bgBlank%> class = heading colspan = 4> Order List </TD>
	</TR>
	<TR>
		<TD align = center bgColor = <%=glb_bgBlank%> class = heading colspan = 4>
			<TABLE align=center border=0 cellPadding=2 cellSpacing=1 class=tableborder2 width="100%">
				<TR>
					<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> name caption </TD>
					<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
						<INPUT class = pagetext2inside name = "txt_name" size = "40" value = "<% = Server.HTMLEncode(name & "")%>" maxlength = "20">
					</TD>
					<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> placed caption </TD>
					<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
						<INPUT class = pagetext2inside name = "txt_placed" size = "40" value = "<% = Server.HTMLEncode(placed & "")%>" maxlength = "20">
					</TD>
				</TR>
				<TR>
					<TD colspan = 4 align=right bgColor=<%=glb_bgBlank%> width = "25%">
						<INPUT type=hidden name=hiddenActionControl>
						<INPUT type = "hidden" name = name value = "<%=name%>">
						<INPUT type = "hidden" name = placed value = "<%=placed%>">
						<INPUT type = "button" class = "button" name = "cmdshow" value = "Show" Onclick = "set_query();" >
					</TD>
				</TR>
			</TABLE>
		</TD>
	</TR>
	<TR>
		<TD colspan = 4 align=right bgColor=<%=glb_bgBlank%> width = "25%">
			<div align="center" class="pagetext" >
				<OBJECT classid="" codebase="" WIDTH="450" HEIGHT="300" ALIGN="" VIEWASTEXT>
					<PARAM NAME="FlashVars" value="&dataURL=<%=strDataURL%>">
					<PARAM NAME=movie VALUE="<%=strGraph%>">
					<PARAM NAME=quality VALUE=high>
					<EMBED src="<%=strGraph%>" FlashVars="&dataURL=<%=strDataURL%>" quality=high bgcolor=#FFFFFF WIDTH="450" HEIGHT="300" ALIGN="" TYPE="application/x-shockwave-flash" ></EMBED>
				</OBJECT>
			</div>
		</TD>
	</TR>
</FORM>
</TABLE>
<BR>
</td>
</tr>
</table>
</body>
</html>
<!-- **Include close connection -->

