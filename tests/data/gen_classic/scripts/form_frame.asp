	<FORM name = "frmorders" method = "post">
	<TABLE align=center cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
		<% if request("strInfo") <> "" Then %>
		<TR>
			<TD align=center bgColor = <%=glb_bgBlank%> class = message colspan = 4> <% = Server.HTMLEncode(Request("strInfo")) %> </TD>
		</TR>
		<% end if %>
		<TR>
			<TD align=center bgColor = <%=glb_bgBlank%> class = heading colspan = 4> Orders </TD>
		</TR>
	</FORM>
	</TABLE>
	<FORM name = "frmcancel" method = "post" ID="Form1">	</Form>
	<BR>
	</FORM>
	</TABLE>
	<BR>
