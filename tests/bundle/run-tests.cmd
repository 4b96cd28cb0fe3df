@echo off
rem Runs every Windows test program in this folder and ends with the counts
rem of cases; exits 0 only when none failed. Needs no installation.
cd /d "%~dp0"
"%~dp0test-runner.exe" %*
