<TABLE align=center border=1 cellPadding=2 cellSpacing=1 class=tableborder2 width="98%">
	<TR>
		<TD align = center bgColor = <%=glb_bgBlank%> class = heading colspan = 2> Orders List </TD>
	</TR>

<INPUT type=hidden name=hiddenActionControl>
<INPUT type = "hidden" name = v_orders_id value = "<%=v_orders_id%>">
<INPUT type = "hidden" name = v_name value = "<%=v_name%>">
<tr bgColor = "<%=glb_bgBlank%>" class="menutitle">
	<th align='center' width="40%">Name</th>
</tr>
<%

call ShowOutput_0(v_orders_id,v_name)

%>

</TABLE>

