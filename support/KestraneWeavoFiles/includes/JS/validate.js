// Field checks that the generated ValidateData functions call.

// False, after showing the message and focusing the control, when the control holds nothing
// but blanks.
function validateString(control, message)
{
	if (!control)
		return true;
	var value = control.value == null ? "" : String(control.value);
	if (value.replace(/^\s+|\s+$/g, "") != "")
		return true;
	alert(message);
	if (control.focus)
		control.focus();
	return false;
}

// True for a decimal number with an optional sign and fraction.
function isNumber1(value)
{
	return /^\s*[-+]?([0-9]+(\.[0-9]*)?|\.[0-9]+)\s*$/.test(value == null ? "" : String(value));
}

// True for a whole number, digits after an optional sign, that a signed integer of the bits
// (32 for an int column, 64 for a bigint one) holds.
function isWholeNumber(value, bits)
{
	var text = value == null ? "" : String(value).replace(/^\s+|\s+$/g, "");
	if (!/^[-+]?[0-9]+$/.test(text))
		return false;
	var number = BigInt(text);
	return BigInt.asIntN(bits, number) == number;
}

// True when the text is a date of the calendar written in the format ("mm/dd/yyyy",
// "dd/mm/yyyy" or "yyyy/mm/dd"; "/" or "-" between the parts); the parsing is the calendar's.
function isDate(value, format)
{
	return parseCalendarDate(value, format) != null;
}

// Writes the "/" after the day and the month while a date is typed; a "/" or "-" typed where it
// wrote one stands once, in its place.
function date_dash(control, event)
{
	if (!control || !event || event.type != "keyup")
		return;
	var key = event.key || String.fromCharCode(event.keyCode || 0);
	var value = control.value;
	if (key == "/" || key == "-")
	{
		if (/^([0-9]{2}|[0-9]{1,2}\/[0-9]{2})\/[\/-]$/.test(value))
			control.value = value.slice(0, -2) + key;
		return;
	}
	if (!/^[0-9]$/.test(key))
		return;
	if (/^[0-9]{2}$/.test(value) || /^[0-9]{1,2}\/[0-9]{2}$/.test(value))
		control.value = value + "/";
}
