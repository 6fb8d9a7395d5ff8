' Shows the control at work: the drives it finds and the tracks of each disc.
Set ripper = CreateObject("ORVEK.CDRipper")
WScript.Echo "CD drives: " & ripper.Drives.Count
For Each drive In ripper.Drives
    WScript.Echo ""
    WScript.Echo "[" & drive.Name & "]  audio CD: " & drive.HasAudioCD()
    n = 0
    For Each track In drive.Tracks
        n = n + 1
        seconds = track.Duration
        kind = "data "
        If track.IsAudio Then kind = "audio"
        WScript.Echo "  Track " & Right("0" & n, 2) & "  " & kind & "  " & (seconds \ 60) & ":" & _
            Right("0" & (seconds Mod 60), 2) & "  " & FormatNumber(track.Size, 0) & " bytes"
    Next
Next
