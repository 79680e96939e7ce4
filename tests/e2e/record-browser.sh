#!/bin/sh
# Stands in for the web browser: records each address it is asked to open.
printf '%s\n' "$@" >>"$(dirname "$0")/browser.log"
