' Starts a rip and quits the script host while it runs, once some audio is in the
' file, without releasing the control first.
Set ripper = CreateObject("ORVEK.CDRipper")
ripper.OverwritePrompt = False
target = WScript.Arguments(0)
ripper.Drives(1).Tracks(1).ExtractToWav target
Set files = CreateObject("Scripting.FileSystemObject")
started = Timer
Do While Timer - started < 20
    If files.FileExists(target & ".wav") Then
        If files.GetFile(target & ".wav").Size > 200000 Then Exit Do
    End If
Loop
WScript.Echo "quitting"
WScript.Quit 3
