function inodes = mapped_inodes(name)
  % The inodes of the files named name (a path, or its end) that are mapped
  % into this Octave process, from /proc/self/maps: empty once every module
  % loaded from such a file has been unloaded.
  inodes = [];
  lines = strsplit(fileread('/proc/self/maps'), "\n");
  for k = 1:numel(lines)
    % address perms offset device inode path
    fields = regexp(lines{k}, '^\S+\s+\S+\s+\S+\s+\S+\s+(\d+)\s+(.*)$', 'tokens', 'once');
    if ~isempty(fields) && ~isempty(strfind(fields{2}, name))
      inodes(end + 1) = str2double(fields{1});
    end
  end
  inodes = unique(inodes);
end
