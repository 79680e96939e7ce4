@echo off
rem Stands in for the product's installer: the launcher starts it after the
rem licence agreement has been accepted.
echo Sample Product would now be installed (arguments: %*).
pause
