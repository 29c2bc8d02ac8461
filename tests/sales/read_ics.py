"""Reads an iCalendar file with python3-icalendar and prints one line per event:
UID, DTSTART, DTEND (ISO, local), SUMMARY, the alarm's trigger in minutes, tab-separated.
Exits 1 when the file does not parse or an event lacks a part."""
import sys

import icalendar

with open(sys.argv[1], "rb") as f:
    calendar = icalendar.Calendar.from_ical(f.read())
for event in calendar.walk("VEVENT"):
    alarms = event.walk("VALARM")
    trigger = alarms[0].decoded("TRIGGER") if alarms else None
    print("\t".join([
        str(event["UID"]),
        event.decoded("DTSTART").isoformat(),
        event.decoded("DTEND").isoformat(),
        str(event["SUMMARY"]),
        str(int(trigger.total_seconds() // 60)) if trigger is not None else "-",
    ]))
