# The application layer and the top-level windows: OLE and its security (ole32), the common
# controls every UI thread initialises (comctl32), the notification-area icon (shell32).
if(WIN32)
  target_link_libraries(s PUBLIC ole32 comctl32 shell32 uuid)
endif()
