var MAIN_DATA_ENTRY = [
	['Masters', '#', {'tw' : '_parent'}, ID_Masters,
		['Customers', '#', {'tw' : '_self'}, ID_Customers]],
	['Reports', '#', {'tw' : '_self'}, ID_Reports]];

var MAIN_ADMIN = [
	['Reports', '#', {'tw' : '_self'}, ID_Reports]];

var MAIN_VISITOR = [
];

var RESOLVE_MENU_ITEMS = [
	[1, 'Customer_add.asp', MAIN_DATA_ENTRY],
	[2, 'Customer_add.asp', MAIN_ADMIN],
	[-1, 'Customer_add.asp', MAIN_VISITOR],
	[1, 'Customer_add_action.asp', MAIN_DATA_ENTRY],
	[2, 'Customer_add_action.asp', MAIN_ADMIN],
	[-1, 'Customer_add_action.asp', MAIN_VISITOR],
	[1, 'Order_add.asp', MAIN_DATA_ENTRY],
	[2, 'Order_add.asp', MAIN_ADMIN],
	[-1, 'Order_add.asp', MAIN_VISITOR],
	[0, 'Menus Not Required', null]
];

function FindMenuItem(desigId, fileName)
{
	var row;
	for(var i=0; i < RESOLVE_MENU_ITEMS.length; i++)
	{
		if (RESOLVE_MENU_ITEMS[i][0] == desigId)
		{
			if (RESOLVE_MENU_ITEMS[i][1] == fileName)
			{
				row = i;
				break;
			}
		}
		else
		{
			row = -1;
		}
	}
	if(row == -1)
	{
		return (RESOLVE_MENU_ITEMS[RESOLVE_MENU_ITEMS.length-1][2]);
	}
	return(RESOLVE_MENU_ITEMS[row][2]);
}
