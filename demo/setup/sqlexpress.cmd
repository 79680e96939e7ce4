@echo off
rem Stands in for the database installer: the launcher runs it with the
rem administrator password and the log file filled into its arguments, and
rem waits for it to end.
echo The database would now be installed.
pause
