-- Error messages (class "error") of files the program writes: the project file, user
-- elements and the settings file. The first "%s" is the file's path.

INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  (401, 'error', 'FileNotWritten',
   'The file "%s" could not be written (%s). The previous file is unchanged.', NULL),
  (402, 'error', 'FileNotWrittenDiskFull',
   'The file "%s" could not be written because the disk is full. The previous file is unchanged; free some space and save again.', NULL),
  (403, 'error', 'FileNotWrittenReadOnly',
   'The file "%s" could not be written because the folder or the file is read-only. The previous file is unchanged; save to another folder.', NULL);
