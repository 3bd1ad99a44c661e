# Qt part: windows and controls.
