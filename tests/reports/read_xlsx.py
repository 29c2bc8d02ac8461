#!/usr/bin/python3
# Prints, as JSON, what a spreadsheet program finds in each .xlsx named: the frozen cell and
# every row's cells with their type ("n" number, "d" date, "s" text) and number format.
import json
import sys

import openpyxl

books = []
for path in sys.argv[1:]:
    sheets = openpyxl.load_workbook(path).worksheets
    sheet = sheets[0]
    rows = []
    for row in sheet.iter_rows():
        cells = []
        for cell in row:
            if cell.value is None:
                cells.append(None)
            elif cell.is_date:
                cells.append({"t": "d", "v": cell.value.strftime("%d/%m/%Y"), "f": cell.number_format})
            elif isinstance(cell.value, (int, float)):
                cells.append({"t": "n", "v": cell.value, "f": cell.number_format})
            else:
                cells.append({"t": "s", "v": str(cell.value), "f": cell.number_format})
        rows.append(cells)
    books.append({"sheets": len(sheets), "freeze": sheet.freeze_panes, "rows": rows})
print(json.dumps(books))
