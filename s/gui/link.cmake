# The toolkit's Windows half: windows and messages (user32), painting (gdi32), the common
# controls (comctl32) and dropped files (shell32).
if(WIN32)
  target_link_libraries(s PUBLIC user32 gdi32 comctl32 shell32)
endif()
