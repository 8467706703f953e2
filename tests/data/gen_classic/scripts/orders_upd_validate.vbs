Function ValidateData()
	IF quantity = "" THEN
		sInfo = "Please enter valid quantity caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	ELSEIF isNumeric(quantity) = false THEN
		sInfo = "Please enter valid quantity caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	END IF
	IF ordered = "" THEN
		sInfo = "Please enter valid ordered caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	ELSEIF isDate(ordered) = false THEN
		sInfo = "Please enter valid ordered caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	END IF
	IF shipped = "" THEN
		sInfo = "Please enter valid shipped caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	ELSEIF isDate(shipped) = false THEN
		sInfo = "Please enter valid shipped caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	END IF
	If Datediff("d",ConvertDate(shipped),ConvertDate(ordered)) > 0 then
		sInfo = "Please enter correct Dates"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	end If
	IF region = "0" THEN
		sInfo = "Please enter valid region caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	ELSEIF isNumeric(region) = false THEN
		sInfo = "Please enter valid region caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	END IF
	IF status = "0" THEN
		sInfo = "Please enter valid status caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	ELSEIF isNumeric(status) = false THEN
		sInfo = "Please enter valid status caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	END IF
	IF plain = "0" THEN
		sInfo = "Please enter valid plain caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	ELSEIF isNumeric(plain) = false THEN
		sInfo = "Please enter valid plain caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	END IF
	IF note = "" THEN
		sInfo = "Please enter valid note caption"
		redir = "../../BaseModule/orders_upd.asp?" & redirString & "&strInfo=" & Server.URLEncode(sInfo & "")
		Response.Redirect(redir)
	END IF
End Function

