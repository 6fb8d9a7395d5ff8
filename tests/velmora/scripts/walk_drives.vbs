' Walks the control's object model late-bound, as a script host sees it.
Set ripper = CreateObject("ORVEK.CDRipper")
WScript.Echo "drives " & ripper.Drives.Count & " " & ripper.GetDriveNumber()
For Each drive In ripper.Drives
    WScript.Echo "drive [" & drive.Name & "] tracks " & drive.Tracks.Count & " audio " & drive.HasAudioCD()
    For Each track In drive.Tracks
        WScript.Echo "track " & track.Duration & " " & track.Size & " " & track.IsAudio
    Next
Next
WScript.Echo "default member " & ripper.Drives(1).Tracks(2).Size
WScript.Echo "jitter " & ripper.JitterCorrection & " prompt " & ripper.OverwritePrompt
ripper.JitterCorrection = True
WScript.Echo "jitter " & ripper.JitterCorrection

On Error Resume Next
Set missing = ripper.Drives(1).Tracks(99)
WScript.Echo "beyond count " & Hex(Err.Number)
Err.Clear
On Error GoTo 0
WScript.Echo "DONE"
