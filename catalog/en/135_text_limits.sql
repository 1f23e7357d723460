-- Error messages (class "error") of the limits that keep files from others from taking
-- over the program: catalog checks, sizes of files read. The first "%s" is the file's path.

INSERT INTO s_message (msg_cd, msg_class, msg_control, msg_value, msg_symbol) VALUES
  (3301, 'error', 'CatalogViewRefused',
   'The catalog "%s" cannot be used: "%s" is a view, and a catalog holds tables only.', NULL),
  (3302, 'error', 'CatalogQueryTimeLimit',
   'A query of the catalog "%s" took longer than %s s and was stopped. The catalog may be damaged.' || char(10) || 'SQL: %s', NULL),
  (3303, 'error', 'FileTooLarge',
   'The file "%s" is larger than %s MB, more than a file of its kind can be. It was not read.', NULL),
  (3304, 'error', 'FormulaStopped',
   'The catalog formula %s was stopped: %s', NULL);
