<!-- Text Box, editable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>
						<INPUT class = pagetext2inside name = "txt_status" size = "40" value = "<% = Server.HTMLEncode(statusVar & "")%>" maxlength = "20">
						</TD>
						<TD align = "center">
							<a href = "../../BaseModule/orders_upd.asp" class="Link7"> Edit </a>
						</TD>
					</TR>
				</TABLE>
			</TD>
<!-- Text Box, read-only -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>
						<INPUT class = pagetext2inside name = "txt_status" size = "40" value = "<% = Server.HTMLEncode(statusVar & "")%>" maxlength = "20" disabled >
						<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
						</TD>
						<TD align = "center">
							<a href = "../../BaseModule/orders_upd.asp" class="Link7"> Edit </a>
						</TD>
					</TR>
				</TABLE>
			</TD>
<!-- Text Box, invisible -->
<!-- Text Box, by variable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>

		<% If Trim(levelVar) =  1 Then %>

		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
						<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar > 5 Then %>

		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar <> 9 Then %>
						<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
						</TD>
						<TD align = "center">
							<a href = "../../BaseModule/orders_upd.asp" class="Link7"> Edit </a>
						</TD>
					</TR>
				</TABLE>
			</TD>
<!-- Text Box, by procedure -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>

		<% If Trim(state) =  1 Then %>

		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
						<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) >  5 Then %>

		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) <>  9 Then %>
						<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
						</TD>
						<TD align = "center">
							<a href = "../../BaseModule/orders_upd.asp" class="Link7"> Edit </a>
						</TD>
					</TR>
				</TABLE>
			</TD>
<!-- Combo Box, editable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
		<SELECT name = "lst_status" class = "pagetext2inside"  OnChange = "fn_OnChange_status('<%=glb_conString%>');">
			<OPTION value="0">All</OPTION>
			<OPTION value="0">None</OPTION>
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				frontFieldStr = "O,C"""
				backFieldStr = "Open,Closed"
				call Fill_List_HardCode(statusVar, frontFieldStr, backFieldStr)
			%>
		</SELECT>
				</TD>
<!-- Combo Box, read-only -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
		<SELECT name = "lst_status" class = "pagetext2inside"  OnChange = "fn_OnChange_status('<%=glb_conString%>');"disabled >
			<OPTION value="0">All</OPTION>
			<OPTION value="0">None</OPTION>
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				frontFieldStr = "O,C"""
				backFieldStr = "Open,Closed"
				call Fill_List_HardCode(statusVar, frontFieldStr, backFieldStr)
			%>
		</SELECT>
					<INPUT type = "hidden" name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
				</TD>
<!-- Combo Box, invisible -->
<!-- Combo Box, by variable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">

		<% If Trim(levelVar) =  1 Then %>
		<SELECT name = "lst_status" class = "pagetext2inside"  OnChange = "fn_OnChange_status('<%=glb_conString%>');"disabled >
			<OPTION value="0">All</OPTION>
			<OPTION value="0">None</OPTION>
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				frontFieldStr = "O,C"""
				backFieldStr = "Open,Closed"
				call Fill_List_HardCode(statusVar, frontFieldStr, backFieldStr)
			%>
		</SELECT>
					<INPUT type = "hidden" name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar > 5 Then %>
		<SELECT name = "lst_status" class = "pagetext2inside"  OnChange = "fn_OnChange_status('<%=glb_conString%>');">
			<OPTION value="0">All</OPTION>
			<OPTION value="0">None</OPTION>
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				frontFieldStr = "O,C"""
				backFieldStr = "Open,Closed"
				call Fill_List_HardCode(statusVar, frontFieldStr, backFieldStr)
			%>
		</SELECT>
		<% ElseIf levelVar <> 9 Then %>
					<INPUT type = "hidden" name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<SELECT name = "lst_status" class = "pagetext2inside"  OnChange = "fn_OnChange_status('<%=glb_conString%>');">
			<OPTION value="0">All</OPTION>
			<OPTION value="0">None</OPTION>
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				frontFieldStr = "O,C"""
				backFieldStr = "Open,Closed"
				call Fill_List_HardCode(statusVar, frontFieldStr, backFieldStr)
			%>
		</SELECT>
		<% End if%>
				</TD>
<!-- Combo Box, by procedure -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">

		<% If Trim(state) =  1 Then %>
		<SELECT name = "lst_status" class = "pagetext2inside"  OnChange = "fn_OnChange_status('<%=glb_conString%>');"disabled >
			<OPTION value="0">All</OPTION>
			<OPTION value="0">None</OPTION>
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				frontFieldStr = "O,C"""
				backFieldStr = "Open,Closed"
				call Fill_List_HardCode(statusVar, frontFieldStr, backFieldStr)
			%>
		</SELECT>
					<INPUT type = "hidden" name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) >  5 Then %>
		<SELECT name = "lst_status" class = "pagetext2inside"  OnChange = "fn_OnChange_status('<%=glb_conString%>');">
			<OPTION value="0">All</OPTION>
			<OPTION value="0">None</OPTION>
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				frontFieldStr = "O,C"""
				backFieldStr = "Open,Closed"
				call Fill_List_HardCode(statusVar, frontFieldStr, backFieldStr)
			%>
		</SELECT>
		<% ElseIf (state) <>  9 Then %>
					<INPUT type = "hidden" name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<SELECT name = "lst_status" class = "pagetext2inside"  OnChange = "fn_OnChange_status('<%=glb_conString%>');">
			<OPTION value="0">All</OPTION>
			<OPTION value="0">None</OPTION>
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				frontFieldStr = "O,C"""
				backFieldStr = "Open,Closed"
				call Fill_List_HardCode(statusVar, frontFieldStr, backFieldStr)
			%>
		</SELECT>
		<% End if%>
				</TD>
<!-- Date Control, editable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>
							<INPUT type = "text" name = "txt_status" class = "pagetext1inside" value = "<% = Server.HTMLEncode(Change_Date_Format(statusVar) & "") %>"onKeyUp="date_dash(this,event)" onKeyDown="date_dash(this,event)">
						</TD>
						<TD class = "pagetext1">
							<a href="javascript: void(0);" onmouseover="if (timeoutId) clearTimeout(timeoutId);window.status='Show Calendar';return true;" onmouseout="if (timeoutDelay) calendarTimeout();window.status='';" onclick="g_Calendar.show(event,'frmorders.txt_status',false,'<%=glb_dateFormat_String%>'); return false;"><img src="../_system/images/calendar.gif" name="imgCalendar" width="32" height="19" border="0" alt=""></a>&nbsp;<%=glb_dateFormat_String%>
						</TD>
					</TR>
				</TABLE>
				</TD>
<!-- Date Control, read-only -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>
							<INPUT type = "text" name = "txt_status" class = "pagetext1inside" value = "<% = Server.HTMLEncode(Change_Date_Format(statusVar) & "") %>"onKeyUp="date_dash(this,event)" onKeyDown="date_dash(this,event)" disabled >
				<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(Change_Date_Format(statusVar) & "")%>">
						</TD>
					</TR>
				</TABLE>
				</TD>
<!-- Date Control, invisible -->
<!-- Date Control, by variable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>

		<% If Trim(levelVar) =  1 Then %>

		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
				<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(Change_Date_Format(statusVar) & "")%>">
		<% ElseIf levelVar > 5 Then %>

		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar <> 9 Then %>
				<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(Change_Date_Format(statusVar) & "")%>">
		<% Else %>
		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(Change_Date_Format(statusVar) & "")%>">
		<TD class = "pagetext1">
			<a href="javascript: void(0);" onmouseover="if (timeoutId) clearTimeout(timeoutId);window.status='Show Calendar';return true;" onmouseout="if (timeoutDelay) calendarTimeout();window.status='';" onclick="g_Calendar.show(event,'frmorders.txt_status',false,'<%=glb_dateFormat_String%>'); return false;"><img src="../_system/images/calendar.gif" name="imgCalendar" width="32" height="19" border="0" alt=""></a>&nbsp;<%=glb_dateFormat_String%>
		</TD>
		<% End if%>
						</TD>
					</TR>
				</TABLE>
				</TD>
<!-- Date Control, by procedure -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>

		<% If Trim(state) =  1 Then %>

		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
				<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(Change_Date_Format(statusVar) & "")%>">
		<% ElseIf (state) >  5 Then %>

		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) <>  9 Then %>
				<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(Change_Date_Format(statusVar) & "")%>">
		<% Else %>
		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
						</TD>
					</TR>
				</TABLE>
				</TD>
<!-- Radio Button, editable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<% If Trim(statusVar) = "C""" Then %>
				<INPUT type = "radio" class=pagetext2inside name = "rad_status" value="O" OnClick = "fn_OnClick_status('<%=glb_conString%>');" >				<INPUT type = "radio" class=pagetext2inside name = "rad_status" value="C&quot;" OnClick = "fn_OnClick_status('<%=glb_conString%>');" checked>				<% Else %>
				<INPUT type = "radio" class=pagetext2inside name = "rad_status" value="O" OnClick = "fn_OnClick_status('<%=glb_conString%>');" checked >				<INPUT type = "radio" class=pagetext2inside name = "rad_status" value="C&quot;" OnClick = "fn_OnClick_status('<%=glb_conString%>');" >				<% End If %>
				</TD>
<!-- Radio Button, read-only -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<% If Trim(statusVar) = "C""" Then %>
				<INPUT type = "radio" class=pagetext2inside name = "rad_status" value="O" OnClick = "fn_OnClick_status('<%=glb_conString%>');"  disabled > Open 
				<INPUT type = "radio" class=pagetext2inside name = "rad_status" value="C&quot;" OnClick = "fn_OnClick_status('<%=glb_conString%>');" checked disabled > Closed 
				<% Else %>
				<INPUT type = "radio" class=pagetext2inside name = "rad_status" value="O" OnClick = "fn_OnClick_status('<%=glb_conString%>');" checked disabled > Open 
				<INPUT type = "radio" class=pagetext2inside name = "rad_status" value="C&quot;" OnClick = "fn_OnClick_status('<%=glb_conString%>');"  disabled > Closed 
				<% End If %>
				</TD>
<!-- Radio Button, invisible -->
<!-- Radio Button, by variable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">

		<% If Trim(levelVar) =  1 Then %>

		<INPUT type = "radio" name = rad_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >  
		<% ElseIf levelVar > 5 Then %>

		<INPUT type = "radio" name = rad_status value = "<%=Server.HTMLEncode(statusVar & "")%>"  
		<% ElseIf levelVar <> 9 Then %>
				<INPUT type = "hidden" name = "rad_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
				<% If Trim(statusVar) = "C""" Then %>
				<INPUT type = "radio" class=pagetext2inside name = "rad_status" value="O" OnClick = "fn_OnClick_status('<%=glb_conString%>');" >				<INPUT type = "radio" class=pagetext2inside name = "rad_status" value="C&quot;" OnClick = "fn_OnClick_status('<%=glb_conString%>');" checked>				<% Else %>
				<INPUT type = "radio" class=pagetext2inside name = "rad_status" value="O" OnClick = "fn_OnClick_status('<%=glb_conString%>');" checked >				<INPUT type = "radio" class=pagetext2inside name = "rad_status" value="C&quot;" OnClick = "fn_OnClick_status('<%=glb_conString%>');" >				<% End If %>
		<% End if%>
				</TD>
<!-- Radio Button, by procedure -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">

		<% If Trim(state) =  1 Then %>

		<INPUT type = "radio" name = rad_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >  
		<% ElseIf (state) >  5 Then %>

		<INPUT type = "radio" name = rad_status value = "<%=Server.HTMLEncode(statusVar & "")%>"  
		<% ElseIf (state) <>  9 Then %>
				<INPUT type = "hidden" name = "rad_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<INPUT type = "radio" name = rad_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
				</TD>
<!-- Check Box, editable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<% if Trim(statusVar) = "on" Then %>
				<INPUT type = "checkbox" class=pagetext2inside name = "chk_status" onChange = "fn_SetValue_status('<%=glb_conString%>');" checked >
				<% else %>
				<INPUT type = "checkbox" class=pagetext2inside name = "chk_status" onChange = "fn_SetValue_status('<%=glb_conString%>');">
				<% end if %>
				</TD>
<!-- Check Box, read-only -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<% if Trim(statusVar) = "on" Then %>
				<INPUT type = "checkbox" class=pagetext2inside name = "chk_status" onChange = "fn_SetValue_status('<%=glb_conString%>');" checked  disabled >
				<INPUT type = "hidden" name = "chk_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
				<% else %>
				<INPUT type = "checkbox" class=pagetext2inside name = "chk_status" onChange = "fn_SetValue_status('<%=glb_conString%>');" disabled >
				<INPUT type = "hidden" name = "chk_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
				<% end if %>
				</TD>
<!-- Check Box, invisible -->
<!-- Check Box, by variable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<% if Trim(statusVar) = "on" Then %>
				<INPUT type = "checkbox" class=pagetext2inside name = "chk_status" onChange = "fn_SetValue_status('<%=glb_conString%>');" checked 
		<% If Trim(levelVar) =  1 Then %>

		<INPUT type = "checkbox" name = chk_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
				<INPUT type = "hidden" name = "chk_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar > 5 Then %>

		<INPUT type = "checkbox" name = chk_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar <> 9 Then %>
				<INPUT type = "hidden" name = "chk_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<INPUT type = "checkbox" name = chk_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
				<% else %>
				<INPUT type = "checkbox" class=pagetext2inside name = "chk_status" onChange = "fn_SetValue_status('<%=glb_conString%>');"
		<% If Trim(levelVar) =  1 Then %>

		<INPUT type = "checkbox" name = chk_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
				<INPUT type = "hidden" name = "chk_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar > 5 Then %>

		<INPUT type = "checkbox" name = chk_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar <> 9 Then %>
				<INPUT type = "hidden" name = "chk_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<INPUT type = "checkbox" name = chk_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
				<% end if %>
				</TD>
<!-- Check Box, by procedure -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<% if Trim(statusVar) = "on" Then %>
				<INPUT type = "checkbox" class=pagetext2inside name = "chk_status" onChange = "fn_SetValue_status('<%=glb_conString%>');" checked 
		<% If Trim(state) =  1 Then %>

		<INPUT type = "checkbox" name = chk_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
				<INPUT type = "hidden" name = "chk_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) >  5 Then %>

		<INPUT type = "checkbox" name = chk_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) <>  9 Then %>
				<INPUT type = "hidden" name = "chk_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<INPUT type = "checkbox" name = chk_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
				<% else %>
				<INPUT type = "checkbox" class=pagetext2inside name = "chk_status" onChange = "fn_SetValue_status('<%=glb_conString%>');"
		<% If Trim(state) =  1 Then %>

		<INPUT type = "checkbox" name = chk_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
				<INPUT type = "hidden" name = "chk_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) >  5 Then %>

		<INPUT type = "checkbox" name = chk_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) <>  9 Then %>
				<INPUT type = "hidden" name = "chk_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<INPUT type = "checkbox" name = chk_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
				<% end if %>
				</TD>
<!-- Text Area, editable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TEXTAREA class=pagetext2inside name = "txt_status" rows = "4" cols = "35" wrap="physical" onKeyDown="textCounter(document.frmorders.txt_status,20)" onKeyUp="textCounter(document.frmorders.txt_status,20)"><%=Server.HTMLEncode(statusVar & "")%></TEXTAREA>
				</TD>
<!-- Text Area, read-only -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TEXTAREA class=pagetext2inside name = "txt_status" rows = "4" cols = "35" wrap="physical" onKeyDown="textCounter(document.frmorders.txt_status,20)" onKeyUp="textCounter(document.frmorders.txt_status,20)" readonly><%=Server.HTMLEncode(statusVar & "")%></TEXTAREA>
				</TD>
<!-- Text Area, invisible -->
<!-- Text Area, by variable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TEXTAREA class=pagetext2inside name = "txt_status" rows = "4" cols = "35" wrap="physical" onKeyDown="textCounter(document.frmorders.txt_status,20)" onKeyUp="textCounter(document.frmorders.txt_status,20)"><%=Server.HTMLEncode(statusVar & "")%></TEXTAREA>
				</TD>
<!-- Text Area, by procedure -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TEXTAREA class=pagetext2inside name = "txt_status" rows = "4" cols = "35" wrap="physical" onKeyDown="textCounter(document.frmorders.txt_status,20)" onKeyUp="textCounter(document.frmorders.txt_status,20)"><%=Server.HTMLEncode(statusVar & "")%></TEXTAREA>
				</TD>
<!-- FileUpload, editable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">			<%Response.Write Server.HTMLEncode(statusVar & "") %>
				<INPUT class=pagetext2inside type = "file" name = "file_status" size = "40" value = "<%=Server.HTMLEncode(statusVar & "")%>" maxlength = "20">
				</TD>
<!-- FileUpload, read-only -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">			<%Response.Write Server.HTMLEncode(statusVar & "") %>
				<INPUT class=pagetext2inside type = "file" name = "file_status" size = "40" value = "<%=Server.HTMLEncode(statusVar & "")%>" maxlength = "20" disabled >
				<INPUT type = "hidden" name = "file_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
				</TD>
<!-- FileUpload, invisible -->
<!-- FileUpload, by variable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">			<%Response.Write Server.HTMLEncode(statusVar & "") %>
				<INPUT class=pagetext2inside type = "file" name = "file_status" size = "40" value = "<%=Server.HTMLEncode(statusVar & "")%>" maxlength = "20"
		<% If Trim(levelVar) =  1 Then %>

		<INPUT type = "file" name = file_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
				<INPUT type = "hidden" name = "file_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar > 5 Then %>

		<INPUT type = "file" name = file_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar <> 9 Then %>
				<INPUT type = "hidden" name = "file_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<INPUT type = "file" name = file_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
				</TD>
<!-- FileUpload, by procedure -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">			<%Response.Write Server.HTMLEncode(statusVar & "") %>
				<INPUT class=pagetext2inside type = "file" name = "file_status" size = "40" value = "<%=Server.HTMLEncode(statusVar & "")%>" maxlength = "20"
		<% If Trim(state) =  1 Then %>

		<INPUT type = "file" name = file_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
				<INPUT type = "hidden" name = "file_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) >  5 Then %>

		<INPUT type = "file" name = file_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) <>  9 Then %>
				<INPUT type = "hidden" name = "file_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<INPUT type = "file" name = file_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
				</TD>
<!-- Password, editable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<INPUT class=pagetext2inside type = "password" name = "txt_status" size = "40" value = "<%=Server.HTMLEncode(statusVar & "")%>" maxlength = "20">
				</TD>
<!-- Password, read-only -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<INPUT class=pagetext2inside type = "password" name = "txt_status" size = "40" value = "<%=Server.HTMLEncode(statusVar & "")%>" maxlength = "20" disabled >
				<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
				</TD>
<!-- Password, invisible -->
<!-- Password, by variable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<INPUT class=pagetext2inside type = "password" name = "txt_status" size = "40" value = "<%=Server.HTMLEncode(statusVar & "")%>" maxlength = "20"
		<% If Trim(levelVar) =  1 Then %>

		<INPUT type = "password" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
				<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar > 5 Then %>

		<INPUT type = "password" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar <> 9 Then %>
				<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<INPUT type = "password" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
				</TD>
<!-- Password, by procedure -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<INPUT class=pagetext2inside type = "password" name = "txt_status" size = "40" value = "<%=Server.HTMLEncode(statusVar & "")%>" maxlength = "20"
		<% If Trim(state) =  1 Then %>

		<INPUT type = "password" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
				<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) >  5 Then %>

		<INPUT type = "password" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) <>  9 Then %>
				<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<INPUT type = "password" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
				</TD>
<!-- Hidden, editable -->
			<TD  align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"></TD>
			<TD  align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"></TD>

<!-- Hidden, read-only -->
			<TD  align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"></TD>
			<TD  align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"></TD>

<!-- Hidden, invisible -->
<!-- Hidden, by variable -->
			<TD  align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"></TD>
			<TD  align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"></TD>

<!-- Hidden, by procedure -->
			<TD  align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"></TD>
			<TD  align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"></TD>

<!-- Multiple Combo Box, editable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
		<SELECT name = "lst_status" class = "pagetext2inside"  multiple >
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
				strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

				call Fill_List_Multiple(strList, statusVar, glb_con, "orders_id", "status")
			%>
		</SELECT>
				</TD>
<!-- Multiple Combo Box, read-only -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
		<SELECT name = "lst_status" class = "pagetext2inside"  multiple disabled >
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
				strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

				call Fill_List_Multiple(strList, statusVar, glb_con, "orders_id", "status")
			%>
		</SELECT>
					<INPUT type = "hidden" name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
				</TD>
<!-- Multiple Combo Box, invisible -->
<!-- Multiple Combo Box, by variable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">

		<% If Trim(levelVar) =  1 Then %>
		<SELECT name = "lst_status" class = "pagetext2inside"  multiple disabled >
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
				strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

				call Fill_List_Multiple(strList, statusVar, glb_con, "orders_id", "status")
			%>
		</SELECT>
					<INPUT type = "hidden" name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar > 5 Then %>
		<SELECT name = "lst_status" class = "pagetext2inside"  multiple >
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
				strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

				call Fill_List_Multiple(strList, statusVar, glb_con, "orders_id", "status")
			%>
		</SELECT>
		<% ElseIf levelVar <> 9 Then %>
					<INPUT type = "hidden" name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<SELECT name = "lst_status" class = "pagetext2inside"  multiple >
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
				strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

				call Fill_List_Multiple(strList, statusVar, glb_con, "orders_id", "status")
			%>
		</SELECT>
		<% End if%>
				</TD>
<!-- Multiple Combo Box, by procedure -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">

		<% If Trim(state) =  1 Then %>
		<SELECT name = "lst_status" class = "pagetext2inside"  multiple disabled >
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
				strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

				call Fill_List_Multiple(strList, statusVar, glb_con, "orders_id", "status")
			%>
		</SELECT>
					<INPUT type = "hidden" name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) >  5 Then %>
		<SELECT name = "lst_status" class = "pagetext2inside"  multiple >
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
				strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

				call Fill_List_Multiple(strList, statusVar, glb_con, "orders_id", "status")
			%>
		</SELECT>
		<% ElseIf (state) <>  9 Then %>
					<INPUT type = "hidden" name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<SELECT name = "lst_status" class = "pagetext2inside"  multiple >
			<%
				If statusVar = "" Then
					statusVar = 0
				end if
				if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
				strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

				call Fill_List_Multiple(strList, statusVar, glb_con, "orders_id", "status")
			%>
		</SELECT>
		<% End if%>
				</TD>
<!-- Button, editable -->
			<TD align=right bgColor=<%=glb_bgBlank%> class=comment colspan = 4>
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>
						 <INPUT class=Button id="" type = "button" name = "btn_status" value = "" Onclick = "" >
						</TD>
						<TD align = "center">
							<a href = "../../BaseModule/orders_upd.asp" class="Link7"> Edit </a>
						</TD>
					</TR>
				</TABLE>
			</TD>
<!-- Button, read-only -->
			<TD align=right bgColor=<%=glb_bgBlank%> class=comment colspan = 4>
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>
						 <INPUT class=Button id="" type = "button" name = "btn_status" value = "" Onclick = ""  disabled >
						<INPUT type = "hidden" name = "btn_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
						</TD>
						<TD align = "center">
							<a href = "../../BaseModule/orders_upd.asp" class="Link7"> Edit </a>
						</TD>
					</TR>
				</TABLE>
			</TD>
<!-- Button, invisible -->
<!-- Button, by variable -->
			<TD align=right bgColor=<%=glb_bgBlank%> class=comment colspan = 4>
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>
						 <INPUT class=Button id="" type = "button" name = "btn_status" value = "" Onclick = "" 
		<% If Trim(levelVar) =  1 Then %>

		<INPUT type = "button" name = btn_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
						<INPUT type = "hidden" name = "btn_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar > 5 Then %>

		<INPUT type = "button" name = btn_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar <> 9 Then %>
						<INPUT type = "hidden" name = "btn_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<INPUT type = "button" name = btn_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
						</TD>
						<TD align = "center">
							<a href = "../../BaseModule/orders_upd.asp" class="Link7"> Edit </a>
						</TD>
					</TR>
				</TABLE>
			</TD>
<!-- Button, by procedure -->
			<TD align=right bgColor=<%=glb_bgBlank%> class=comment colspan = 4>
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>
						 <INPUT class=Button id="" type = "button" name = "btn_status" value = "" Onclick = "" 
		<% If Trim(state) =  1 Then %>

		<INPUT type = "button" name = btn_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
						<INPUT type = "hidden" name = "btn_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) >  5 Then %>

		<INPUT type = "button" name = btn_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) <>  9 Then %>
						<INPUT type = "hidden" name = "btn_status" value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% Else %>
		<INPUT type = "button" name = btn_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
						</TD>
						<TD align = "center">
							<a href = "../../BaseModule/orders_upd.asp" class="Link7"> Edit </a>
						</TD>
					</TR>
				</TABLE>
			</TD>
<!-- DateTime, editable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>
							<INPUT type = "text" name = "txt_status" class = "pagetext1inside" value = "<% = Server.HTMLEncode(Change_Date_Format(statusVar) & "") %>"onKeyUp="date_dash(this,event)" onKeyDown="date_dash(this,event)">
						</TD>
						<TD class = "pagetext1">
							<a href="javascript: void(0);" onmouseover="if (timeoutId) clearTimeout(timeoutId);window.status='Show Calendar';return true;" onmouseout="if (timeoutDelay) calendarTimeout();window.status='';" onclick="g_Calendar.show(event,'frmorders.txt_status',false,'<%=glb_dateFormat_String%>'); return false;"><img src="../_system/images/calendar.gif" name="imgCalendar" width="32" height="19" border="0" alt=""></a>&nbsp;<%=glb_dateFormat_String%>
						</TD>
					</TR>
				</TABLE>
				<br>hh:mm<br>
				<SELECT name = "lst_hrs_txt_status" class = "pagetext1inside">
					<% call Fill_Hrs(hour(statusVar)) %>
				</SELECT>:
				<SELECT name = "lst_mins_txt_status" class = "pagetext1inside">
					<% call Fill_Mins(minute(statusVar)) %>
				</SELECT>:
				</TD>
<!-- DateTime, read-only -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>
							<INPUT type = "text" name = "txt_status" class = "pagetext1inside" value = "<% = Server.HTMLEncode(Change_Date_Format(statusVar) & "") %>"onKeyUp="date_dash(this,event)" onKeyDown="date_dash(this,event)" disabled >
				<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(Change_Date_Format(statusVar) & "")%>">
						</TD>
					</TR>
				</TABLE>
				<br>hh:mm<br>
				<SELECT name = "lst_hrs_txt_status" class = "pagetext1inside">
					<% call Fill_Hrs(hour(statusVar)) %>
				</SELECT>:
				<SELECT name = "lst_mins_txt_status" class = "pagetext1inside">
					<% call Fill_Mins(minute(statusVar)) %>
				</SELECT>:
				</TD>
<!-- DateTime, invisible -->
<!-- DateTime, by variable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>

		<% If Trim(levelVar) =  1 Then %>

		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
				<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(Change_Date_Format(statusVar) & "")%>">
		<% ElseIf levelVar > 5 Then %>

		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf levelVar <> 9 Then %>
				<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(Change_Date_Format(statusVar) & "")%>">
		<% Else %>
		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
						</TD>
					</TR>
				</TABLE>
				<br>hh:mm<br>
				<SELECT name = "lst_hrs_txt_status" class = "pagetext1inside">
					<% call Fill_Hrs(hour(statusVar)) %>
				</SELECT>:
				<SELECT name = "lst_mins_txt_status" class = "pagetext1inside">
					<% call Fill_Mins(minute(statusVar)) %>
				</SELECT>:
				</TD>
<!-- DateTime, by procedure -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0">
					<TR>
						<TD>

		<% If Trim(state) =  1 Then %>

		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>" disabled >
				<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(Change_Date_Format(statusVar) & "")%>">
		<% ElseIf (state) >  5 Then %>

		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% ElseIf (state) <>  9 Then %>
				<INPUT type = "hidden" name = "txt_status" value = "<%=Server.HTMLEncode(Change_Date_Format(statusVar) & "")%>">
		<% Else %>
		<INPUT type = "text" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
						</TD>
					</TR>
				</TABLE>
				<br>hh:mm<br>
				<SELECT name = "lst_hrs_txt_status" class = "pagetext1inside">
					<% call Fill_Hrs(hour(statusVar)) %>
				</SELECT>:
				<SELECT name = "lst_mins_txt_status" class = "pagetext1inside">
					<% call Fill_Mins(minute(statusVar)) %>
				</SELECT>:
				</TD>
<!-- Month, editable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<SELECT name = "lst_months_status" class = "pagetext1inside">
					<% call Fill_Months(statusVar) %>
				</SELECT>:
				</TD>
<!-- Month, read-only -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<SELECT name = "lst_months_status" class = "pagetext1inside">
					<% call Fill_Months(statusVar) %>
				</SELECT>:
				</TD>
<!-- Month, invisible -->
<!-- Month, by variable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<SELECT name = "lst_months_status" class = "pagetext1inside">
					<% call Fill_Months(statusVar) %>
				</SELECT>:
				</TD>
<!-- Month, by procedure -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<SELECT name = "lst_months_status" class = "pagetext1inside">
					<% call Fill_Months(statusVar) %>
				</SELECT>:
				</TD>
<!-- Year, editable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<SELECT name = "lst_year_status" class = "pagetext1inside">
					<% call Fill_Years(statusVar) %>
				</SELECT>:
				</TD>
<!-- Year, read-only -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<SELECT name = "lst_year_status" class = "pagetext1inside">
					<% call Fill_Years(statusVar) %>
				</SELECT>:
				</TD>
<!-- Year, invisible -->
<!-- Year, by variable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<SELECT name = "lst_year_status" class = "pagetext1inside">
					<% call Fill_Years(statusVar) %>
				</SELECT>:
				</TD>
<!-- Year, by procedure -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<SELECT name = "lst_year_status" class = "pagetext1inside">
					<% call Fill_Years(statusVar) %>
				</SELECT>:
				</TD>
<!-- Editable Text Box, editable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<INPUT class = pagetext2inside name = "txt_status" size = "40" value = "<% = Server.HTMLEncode(statusVar & "")%>" maxlength = "20"
					onKeyUp   = "fn_SearchList(txt_status,lst_status,'lister1')" 
					onKeyDown = "fn_NevigateSearchList(txt_status,lst_status,'lister1')" 
					onBlur    = "hideList('lister1');" ID ="Text1" > 
				<DIV style="width:0px" align=left> 
					<DIV id="lister1" style="display:none;position:absolute;z-index:+1;"> 
						<SELECT name = "lst_status" size=5 class = "pagetext2insidenoalign" onClick= "updateSearchList(txt_status,this,'lister1');"> 
							<% 
								if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
								strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

								call Fill_List_General(strList, 0, glb_con, "orders_id", "status")
							%>
						</SELECT>
						</TD>
					</DIV>
				</DIV>
				</TD>
<!-- Editable Text Box, read-only -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<INPUT class = pagetext2inside name = "txt_status" size = "40" value = "<% = Server.HTMLEncode(statusVar & "")%>" maxlength = "20"
					onKeyUp   = "fn_SearchList(txt_status,lst_status,'lister1')" 
					onKeyDown = "fn_NevigateSearchList(txt_status,lst_status,'lister1')" 
					onBlur    = "hideList('lister1');" ID ="Text1" > 
				<DIV style="width:0px" align=left> 
					<DIV id="lister1" style="display:none;position:absolute;z-index:+1;"> 
						<SELECT name = "lst_status" size=5 class = "pagetext2insidenoalign" onClick= "updateSearchList(txt_status,this,'lister1');"> 
							<% 
								if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
								strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

								call Fill_List_General(strList, 0, glb_con, "orders_id", "status")
							%>
						</SELECT>
						</TD>
					</DIV>
				</DIV>
				</TD>
<!-- Editable Text Box, invisible -->
<!-- Editable Text Box, by variable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<INPUT class = pagetext2inside name = "txt_status" size = "40" value = "<% = Server.HTMLEncode(statusVar & "")%>" maxlength = "20"
		<% If Trim(levelVar) =  1 Then %>

					onKeyUp   = "fn_SearchList(txt_status,lst_status,'lister1')" 
					onKeyDown = "fn_NevigateSearchList(txt_status,lst_status,'lister1')" 
					onBlur    = "hideList('lister1');" ID ="Text1" > 
				<DIV style="width:0px" align=left> 
					<DIV id="lister1" style="display:none;position:absolute;z-index:+1;"> 
						<SELECT name = "lst_status" size=5 class = "pagetext2insidenoalign" onClick= "updateSearchList(txt_status,this,'lister1');"> 
							<% 
								if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
								strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

								call Fill_List_General(strList, 0, glb_con, "orders_id", "status")
							%>
						</SELECT>
						</TD>
					</DIV>
				</DIV>
		<% ElseIf levelVar > 5 Then %>

					onKeyUp   = "fn_SearchList(txt_status,lst_status,'lister1')" 
					onKeyDown = "fn_NevigateSearchList(txt_status,lst_status,'lister1')" 
					onBlur    = "hideList('lister1');" ID ="Text1" > 
				<DIV style="width:0px" align=left> 
					<DIV id="lister1" style="display:none;position:absolute;z-index:+1;"> 
						<SELECT name = "lst_status" size=5 class = "pagetext2insidenoalign" onClick= "updateSearchList(txt_status,this,'lister1');"> 
							<% 
								if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
								strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

								call Fill_List_General(strList, 0, glb_con, "orders_id", "status")
							%>
						</SELECT>
						</TD>
					</DIV>
				</DIV>
		<% ElseIf levelVar <> 9 Then %>
		<% Else %>
		<INPUT type = "" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
				</TD>
<!-- Editable Text Box, by procedure -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<INPUT class = pagetext2inside name = "txt_status" size = "40" value = "<% = Server.HTMLEncode(statusVar & "")%>" maxlength = "20"
		<% If Trim(state) =  1 Then %>

					onKeyUp   = "fn_SearchList(txt_status,lst_status,'lister1')" 
					onKeyDown = "fn_NevigateSearchList(txt_status,lst_status,'lister1')" 
					onBlur    = "hideList('lister1');" ID ="Text1" > 
				<DIV style="width:0px" align=left> 
					<DIV id="lister1" style="display:none;position:absolute;z-index:+1;"> 
						<SELECT name = "lst_status" size=5 class = "pagetext2insidenoalign" onClick= "updateSearchList(txt_status,this,'lister1');"> 
							<% 
								if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
								strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

								call Fill_List_General(strList, 0, glb_con, "orders_id", "status")
							%>
						</SELECT>
						</TD>
					</DIV>
				</DIV>
		<% ElseIf (state) >  5 Then %>

					onKeyUp   = "fn_SearchList(txt_status,lst_status,'lister1')" 
					onKeyDown = "fn_NevigateSearchList(txt_status,lst_status,'lister1')" 
					onBlur    = "hideList('lister1');" ID ="Text1" > 
				<DIV style="width:0px" align=left> 
					<DIV id="lister1" style="display:none;position:absolute;z-index:+1;"> 
						<SELECT name = "lst_status" size=5 class = "pagetext2insidenoalign" onClick= "updateSearchList(txt_status,this,'lister1');"> 
							<% 
								if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
								strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

								call Fill_List_General(strList, 0, glb_con, "orders_id", "status")
							%>
						</SELECT>
						</TD>
					</DIV>
				</DIV>
		<% ElseIf (state) <>  9 Then %>
		<% Else %>
		<INPUT type = "" name = txt_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
				</TD>
<!-- Editable Combo Box, editable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0" ID="Table1"> 
				<TR> 
				<TD> 
				<INPUT class = pagetext2inside name = "txt_status" size = "40" value = "<% = Server.HTMLEncode(statusVar & "")%>" maxlength = "20"
					onKeyUp   = "fn_SearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div');" 
					onKeyDown = "fn_NevigateSearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div')" 
					onBlur    = "hideList('lst_status_div');"> 
				<INPUT type = hidden name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>" size = 1> 
				<DIV style="width:0px" align=left> 
					<DIV id="lst_status_div" style="display:none;position:absolute;z-index:+1;"> 
						<SELECT name = "lst_status_all" size=5 class = "pagetext2insidenoalign" onClick= "updateSearchCombo(txt_status,lst_status,this,'lst_status_div');"> 
							<% 
								If statusVar = "" Then 
									statusVar = 0 
								end if 

								if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
								strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

								call Fill_List_General(strList, statusVar, glb_con, "orders_id", "status")
							%>
						</SELECT>
						</TD>
						<TD class = "pagetext2insidenoalign"> 
							<a href="#" onclick="showHideList('lst_status_div');" onKeyDown="fn_NevigateSearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div')"><img border=0 height=20 width=20 src="../_system/images/comboButton.bmp"/></a> 
							<script language=javascript >
								document.frmorders.txt_status.value = document.frmorders.lst_status_all.options[document.frmorders.lst_status_all.selectedIndex].text
							</script>
						</TD>
					</TR>
				</TABLE>
				</TD>
			</DIV>
		</DIV>
				</TD>
<!-- Editable Combo Box, read-only -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0" ID="Table1"> 
				<TR> 
				<TD> 
				<INPUT class = pagetext2inside name = "txt_status" size = "40" value = "<% = Server.HTMLEncode(statusVar & "")%>" maxlength = "20"
					onKeyUp   = "fn_SearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div');" 
					onKeyDown = "fn_NevigateSearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div')" 
					onBlur    = "hideList('lst_status_div');"> 
				<INPUT type = hidden name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>" size = 1> 
				<DIV style="width:0px" align=left> 
					<DIV id="lst_status_div" style="display:none;position:absolute;z-index:+1;"> 
						<SELECT name = "lst_status_all" size=5 class = "pagetext2insidenoalign" onClick= "updateSearchCombo(txt_status,lst_status,this,'lst_status_div');"> 
							<% 
								If statusVar = "" Then 
									statusVar = 0 
								end if 

								if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
								strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

								call Fill_List_General(strList, statusVar, glb_con, "orders_id", "status")
							%>
						</SELECT>
						</TD>
						<TD class = "pagetext2insidenoalign"> 
							<a href="#" onclick="showHideList('lst_status_div');" onKeyDown="fn_NevigateSearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div')"><img border=0 height=20 width=20 src="../_system/images/comboButton.bmp"/></a> 
							<script language=javascript >
								document.frmorders.txt_status.value = document.frmorders.lst_status_all.options[document.frmorders.lst_status_all.selectedIndex].text
							</script>
						</TD>
					</TR>
				</TABLE>
				</TD>
			</DIV>
		</DIV>
				</TD>
<!-- Editable Combo Box, invisible -->
<!-- Editable Combo Box, by variable -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0" ID="Table1"> 
				<TR> 
				<TD> 
				<INPUT class = pagetext2inside name = "txt_status" size = "40" value = "<% = Server.HTMLEncode(statusVar & "")%>" maxlength = "20"
		<% If Trim(levelVar) =  1 Then %>

					onKeyUp   = "fn_SearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div');" 
					onKeyDown = "fn_NevigateSearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div')" 
					onBlur    = "hideList('lst_status_div');"> 
				<INPUT type = hidden name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>" size = 1> 
				<DIV style="width:0px" align=left> 
					<DIV id="lst_status_div" style="display:none;position:absolute;z-index:+1;"> 
						<SELECT name = "lst_status_all" size=5 class = "pagetext2insidenoalign" onClick= "updateSearchCombo(txt_status,lst_status,this,'lst_status_div');"> 
							<% 
								If statusVar = "" Then 
									statusVar = 0 
								end if 

								if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
								strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

								call Fill_List_General(strList, statusVar, glb_con, "orders_id", "status")
							%>
						</SELECT>
						</TD>
						<TD class = "pagetext2insidenoalign"> 
							<a href="#" onclick="showHideList('lst_status_div');" onKeyDown="fn_NevigateSearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div')"><img border=0 height=20 width=20 src="../_system/images/comboButton.bmp"/></a> 
							<script language=javascript >
								document.frmorders.txt_status.value = document.frmorders.lst_status_all.options[document.frmorders.lst_status_all.selectedIndex].text
							</script>
						</TD>
					</TR>
				</TABLE>
				</TD>
			</DIV>
		</DIV>
		<% ElseIf levelVar > 5 Then %>

					onKeyUp   = "fn_SearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div');" 
					onKeyDown = "fn_NevigateSearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div')" 
					onBlur    = "hideList('lst_status_div');"> 
				<INPUT type = hidden name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>" size = 1> 
				<DIV style="width:0px" align=left> 
					<DIV id="lst_status_div" style="display:none;position:absolute;z-index:+1;"> 
						<SELECT name = "lst_status_all" size=5 class = "pagetext2insidenoalign" onClick= "updateSearchCombo(txt_status,lst_status,this,'lst_status_div');"> 
							<% 
								If statusVar = "" Then 
									statusVar = 0 
								end if 

								if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
								strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

								call Fill_List_General(strList, statusVar, glb_con, "orders_id", "status")
							%>
						</SELECT>
						</TD>
						<TD class = "pagetext2insidenoalign"> 
							<a href="#" onclick="showHideList('lst_status_div');" onKeyDown="fn_NevigateSearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div')"><img border=0 height=20 width=20 src="../_system/images/comboButton.bmp"/></a> 
							<script language=javascript >
								document.frmorders.txt_status.value = document.frmorders.lst_status_all.options[document.frmorders.lst_status_all.selectedIndex].text
							</script>
						</TD>
					</TR>
				</TABLE>
				</TD>
			</DIV>
		</DIV>
		<% ElseIf levelVar <> 9 Then %>
		<% Else %>
		<INPUT type = "" name = lst_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
				</TD>
<!-- Editable Combo Box, by procedure -->
			<TD align = right bgColor = <%=glb_bgBlank%> class = menutitle width = "25%"> status caption<FONT color = "RED">*</FONT> </TD>
			<TD bgColor = <%=glb_bgControl%> class = pagetext1 width = "25%">
				<TABLE border = "0" cellspacing = "0" cellpadding = "0" ID="Table1"> 
				<TR> 
				<TD> 
				<INPUT class = pagetext2inside name = "txt_status" size = "40" value = "<% = Server.HTMLEncode(statusVar & "")%>" maxlength = "20"
		<% If Trim(state) =  1 Then %>

					onKeyUp   = "fn_SearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div');" 
					onKeyDown = "fn_NevigateSearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div')" 
					onBlur    = "hideList('lst_status_div');"> 
				<INPUT type = hidden name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>" size = 1> 
				<DIV style="width:0px" align=left> 
					<DIV id="lst_status_div" style="display:none;position:absolute;z-index:+1;"> 
						<SELECT name = "lst_status_all" size=5 class = "pagetext2insidenoalign" onClick= "updateSearchCombo(txt_status,lst_status,this,'lst_status_div');"> 
							<% 
								If statusVar = "" Then 
									statusVar = 0 
								end if 

								if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
								strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

								call Fill_List_General(strList, statusVar, glb_con, "orders_id", "status")
							%>
						</SELECT>
						</TD>
						<TD class = "pagetext2insidenoalign"> 
							<a href="#" onclick="showHideList('lst_status_div');" onKeyDown="fn_NevigateSearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div')"><img border=0 height=20 width=20 src="../_system/images/comboButton.bmp"/></a> 
							<script language=javascript >
								document.frmorders.txt_status.value = document.frmorders.lst_status_all.options[document.frmorders.lst_status_all.selectedIndex].text
							</script>
						</TD>
					</TR>
				</TABLE>
				</TD>
			</DIV>
		</DIV>
		<% ElseIf (state) >  5 Then %>

					onKeyUp   = "fn_SearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div');" 
					onKeyDown = "fn_NevigateSearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div')" 
					onBlur    = "hideList('lst_status_div');"> 
				<INPUT type = hidden name = "lst_status" value = "<%=Server.HTMLEncode(statusVar & "")%>" size = 1> 
				<DIV style="width:0px" align=left> 
					<DIV id="lst_status_div" style="display:none;position:absolute;z-index:+1;"> 
						<SELECT name = "lst_status_all" size=5 class = "pagetext2insidenoalign" onClick= "updateSearchCombo(txt_status,lst_status,this,'lst_status_div');"> 
							<% 
								If statusVar = "" Then 
									statusVar = 0 
								end if 

								if ordersId <> "" and not (isNumeric(ordersId) and InStr(ordersId, ",") = 0) then ordersId = "NULL"
								strList = "PRC_orders_list " & ordersId & "," & "'" & SingleQuoteToDouble(statusVar) & "'"

								call Fill_List_General(strList, statusVar, glb_con, "orders_id", "status")
							%>
						</SELECT>
						</TD>
						<TD class = "pagetext2insidenoalign"> 
							<a href="#" onclick="showHideList('lst_status_div');" onKeyDown="fn_NevigateSearchCombo(txt_status,lst_status,lst_status_all,'lst_status_div')"><img border=0 height=20 width=20 src="../_system/images/comboButton.bmp"/></a> 
							<script language=javascript >
								document.frmorders.txt_status.value = document.frmorders.lst_status_all.options[document.frmorders.lst_status_all.selectedIndex].text
							</script>
						</TD>
					</TR>
				</TABLE>
				</TD>
			</DIV>
		</DIV>
		<% ElseIf (state) <>  9 Then %>
		<% Else %>
		<INPUT type = "" name = lst_status value = "<%=Server.HTMLEncode(statusVar & "")%>">
		<% End if%>
				</TD>
