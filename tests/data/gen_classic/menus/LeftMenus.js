var SIDE_ADMIN_1 = [
	['Help', '#', {'tw' : '_self'}, ID_Help]];

var RESOLVE_MENU_ITEMS_1 = [
	[2, 'Customer_add.asp', SIDE_ADMIN_1],
	[0, 'Menus Not Required', null]
];

function FindMenuItem_1(desigId, fileName)
{
	var row;
	for(var i=0; i < RESOLVE_MENU_ITEMS_1.length; i++)
	{
		if (RESOLVE_MENU_ITEMS_1[i][0] == desigId)
		{
			if (RESOLVE_MENU_ITEMS_1[i][1] == fileName)
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
		return (RESOLVE_MENU_ITEMS_1[RESOLVE_MENU_ITEMS_1.length-1][2]);
	}
	return(RESOLVE_MENU_ITEMS_1[row][2]);
}
