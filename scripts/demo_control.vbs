' Shows the control at work: the drives it finds, the tracks of each disc, and their
' names from the CDDB server.
Set ripper = CreateObject("ORVEK.CDRipper")
WScript.Echo "CD drives: " & ripper.Drives.Count
For Each drive In ripper.Drives
    WScript.Echo ""
    WScript.Echo "[" & drive.Name & "]  audio CD: " & drive.HasAudioCD()
    On Error Resume Next
    drive.LoadCDDBData
    If Err.Number <> 0 Then
        WScript.Echo "CDDB: " & Err.Description
    Else
        WScript.Echo "CDDB: " & drive.CDDBRecords(1).Description
    End If
    Err.Clear
    On Error GoTo 0
    n = 0
    For Each track In drive.Tracks
        n = n + 1
        seconds = track.Duration
        kind = "data "
        If track.IsAudio Then kind = "audio"
        On Error Resume Next
        title = track.GenerateFilename("%2")
        If Err.Number <> 0 Then title = "Track " & Right("0" & n, 2)
        Err.Clear
        On Error GoTo 0
        WScript.Echo "  " & Right("0" & n, 2) & "  " & kind & "  " & (seconds \ 60) & ":" & _
            Right("0" & (seconds Mod 60), 2) & "  " & title
    Next
Next
