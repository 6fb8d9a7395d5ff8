' Rips a track into the tests' encoder as a script does: the encoder made by its
' ProgID (the test registers its threading model), handed over late-bound, and the
' end waited for in a loop that pumps no messages.
Set ripper = CreateObject("ORVEK.CDRipper")
Set encoder = CreateObject("VelmoraTest.Encoder")
Set ripper.Encoder = encoder
ripper.Drives(1).Tracks(1).ExtractToEncoder WScript.Arguments(0), False
started = Timer
Do
    On Error Resume Next
    ripper.RunQueue
    idle = (Err.Description = "Extraction queue is empty.")
    Err.Clear
    On Error GoTo 0
Loop Until idle Or Timer - started > 30
WScript.Echo "idle " & idle
WScript.Echo "DONE"
