-- Ardour session check for the ZR9 plug-in, run by ardour_session.sh with
-- Debian's headless Lua session runner:
--   ardour7-lua zr9_session.lua PHASE FOLDER NAME PLUGIN TYPE LOG
-- PHASE "save" makes a session with the plug-in on a MIDI track, recalls a
-- program by its name, sets one parameter once and automates another,
-- plays notes from the track, then saves the session and writes down what
-- the host sees. PHASE "reload" opens the saved session in a fresh run and
-- checks that the host and the instrument (the plug-in's emulator, whose
-- log is LOG) see what they saw when the session was saved.
-- Each check prints "ok" or "FAIL"; the shell script counts them.

local phase, folder, name, plugin_name, plugin_type, log_path = arg[1], arg[2], arg[3], arg[4], arg[5], arg[6]
local seen_path = folder .. "/host-saw.txt"

local failures = 0
local function check (ok, what)
	print ((ok and "  ok    " or "  FAIL  ") .. what)
	if not ok then failures = failures + 1 end
	return ok
end

-- ---------------------------------------------------------------- emulator log

local function log_lines ()
	local lines = {}
	local f = io.open (log_path, "r")
	if f then
		for l in f:lines () do lines[#lines + 1] = l end
		f:close ()
	end
	return lines
end

local function clear_log ()
	local f = io.open (log_path, "w")
	if f then f:close () end
end

-- True when every expected line appears, in this order, among the logged ones.
local function logged_in_order (expected)
	local at = 1
	for _, l in ipairs (log_lines ()) do
		if at <= #expected and l == expected[at] then at = at + 1 end
	end
	return at > #expected
end

local function wait_for (done, seconds)
	for _ = 1, seconds * 20 do
		if done () then return true end
		ARDOUR.LuaAPI.usleep (50000)
	end
	return done ()
end

local function hex (...)
	local t = {}
	for _, b in ipairs ({...}) do t[#t + 1] = string.format ("%02x", b) end
	return table.concat (t, " ")
end

-- The instrument's channel program command (channel 0 to 15), as the log writes it.
local function program_line (channel, program)
	return hex (0xf0, 0x07, 0x44, 0x03, 0x00, 0x20, channel, program // 128, program % 128, 0xf7)
end

-- The seven controllers that set one instrument parameter on a channel (1 to 16).
local function address_lines (channel, address, value)
	local t = {}
	for i, a in ipairs (address) do t[#t + 1] = hex (0xb0 + channel - 1, 109 + i, a) end
	t[#t + 1] = hex (0xb0 + channel - 1, 118, (value + 8192) // 128)
	t[#t + 1] = hex (0xb0 + channel - 1, 119, (value + 8192) % 128)
	return t
end

local function append (t, more)
	for _, v in ipairs (more) do t[#t + 1] = v end
	return t
end

-- "Rock", the third factory arrangement, on channels 1 to 16.
local rock = { 3, 277, 201, 449, 454, 56, 146, 300, 273, 225, 511, 195, 466, 141, 130, 331 }
local pan_address = { 1, 0, 1, 0, 22 }
local level_address = { 1, 0, 1, 0, 20 }

-- --------------------------------------------------------------------- session

local function the_processor ()
	local route = Session:route_by_name ("ZR9")
	assert (not route:isnil (), "no track ZR9")
	return route:nth_plugin (0)
end

-- The automation controls of the plug-in's parameters by the names the host
-- shows: a VST3's are control ports, an LV2's are properties.
local function controls_by_name (proc)
	local auto = proc:to_automatable ()
	local plugin = proc:to_insert ():plugin (0)
	local controls = {}
	for i = 0, plugin:parameter_count () - 1 do
		local n = plugin:nth_parameter (i, true)
		if plugin:parameter_is_input (n) then
			controls[plugin:parameter_label (n)] = auto:automation_control (Evoral.Parameter (ARDOUR.AutomationType.PluginAutomation, 0, n), false)
		end
	end
	for p in auto:all_automatable_params ():iter () do
		local ac = auto:automation_control (p, false)
		if not ac:isnil () and controls[ac:desc ().label] == nil then controls[ac:desc ().label] = ac end
	end
	return controls
end

local function control_named (proc, label)
	return controls_by_name (proc)[label]
end

local function rows_to_watch ()
	return { "Pan Ch.3", "Level Ch.2", "Program Ch.1", "Program Ch.16", "Insert FXC Ch.1", "Playing Mode" }
end

local function roll (seconds)
	Session:request_locate (0, false, ARDOUR.LocateTransportDisposition.MustStop, ARDOUR.TransportRequestSource.TRS_UI)
	ARDOUR.LuaAPI.usleep (200000)
	Session:request_roll (ARDOUR.TransportRequestSource.TRS_UI)
	ARDOUR.LuaAPI.usleep (math.floor (seconds * 1000000))
	Session:request_stop (false, false, ARDOUR.TransportRequestSource.TRS_UI)
	ARDOUR.LuaAPI.usleep (200000)
end

-- The value of each of the 7-controller messages of `address` on `channel`
-- in the log, in order (nil when the message never came).
local function address_values (channel, address)
	local values = {}
	local lines = log_lines ()
	local prefix = address_lines (channel, address, 0)
	for i = 1, #lines - 6 do
		local whole = true
		for k = 1, 5 do
			if lines[i + k - 1] ~= prefix[k] then whole = false break end
		end
		if whole then
			local hi = tonumber (lines[i + 5]:sub (7, 8), 16)
			local lo = tonumber (lines[i + 6]:sub (7, 8), 16)
			if lines[i + 5]:sub (4, 5) == "76" and lines[i + 6]:sub (4, 5) == "77" then
				values[#values + 1] = hi * 128 + lo - 8192
			end
		end
	end
	return values
end

local function program_lines (programs)
	local t = {}
	for c = 1, 16 do t[c] = program_line (c - 1, programs[c]) end
	return t
end

local function write_seen (seen)
	local f = assert (io.open (seen_path, "w"))
	for k, v in pairs (seen) do f:write (k .. "=" .. v .. "\n") end
	f:close ()
end

local function read_seen ()
	local seen = {}
	local f = io.open (seen_path, "r")
	if f then
		for l in f:lines () do
			local k, v = l:match ("^(.-)=(.*)$")
			if k then seen[k] = v end
		end
		f:close ()
	end
	return seen
end

-- What the host reads for each watched row, as text (four decimals).
local function host_values (proc)
	local seen = {}
	for _, label in ipairs (rows_to_watch ()) do
		local ac = control_named (proc, label)
		seen[label] = ac and string.format ("%.4f", ac:get_value ()) or "missing"
	end
	return seen
end

-- Plays a short note on the track "ZR9" and waits for it at the instrument: the plug-in runs in
-- Ardour's processing once the note has come through.
local function note_reaches_instrument (note)
	local track = Session:route_by_name ("ZR9"):to_track ():to_midi_track ()
	local parser = ARDOUR.RawMidiParser ()
	for _, b in ipairs ({ 0x90, note, 100, 0x80, note, 0 }) do
		if parser:process_byte (b) then
			track:write_immediate_event (Evoral.EventType.MIDI_EVENT, parser:buffer_size (), parser:midi_buffer ())
		end
	end
	track = nil parser = nil
	return wait_for (function () return logged_in_order ({ hex (0x90, note, 100), hex (0x80, note, 0) }) end, 5)
end

local function on_line ()
	return wait_for (function () return logged_in_order ({ hex (0xf0, 0x7e, 0x7f, 0x06, 0x01, 0xf7), hex (0xbf, 110, 1) }) end, 10)
end

AudioEngine:set_backend ("None (Dummy)", "", "")
print (phase .. ": " .. plugin_type .. " plug-in \"" .. plugin_name .. "\"")

local type_of = { LV2 = ARDOUR.PluginType.LV2, VST3 = ARDOUR.PluginType.VST3 }

if phase == "save" then
	assert (create_session (folder, name, 48000), "no session")
	local info = ARDOUR.LuaAPI.new_plugin_info (plugin_name, type_of[plugin_type])
	check (not info:isnil (), "Ardour lists the plug-in")
	if info:isnil () then
		info = nil collectgarbage () close_session () os.exit (1)
	end
	Session:new_midi_track (ARDOUR.ChanCount (ARDOUR.DataType ("midi"), 1), ARDOUR.ChanCount (ARDOUR.DataType ("audio"), 2),
		true, info, nil, nil, 1, "ZR9", ARDOUR.PresentationInfo.max_order, ARDOUR.TrackMode.Normal, true)
	local proc = the_processor ()
	check (not proc:isnil () and proc:display_name () ~= "", "the plug-in sits on the MIDI track \"ZR9\"")
	check (on_line (), "the plug-in found the emulator and went on line")

	-- Every live row under a name of its own, the effect chains by theirs.
	local names, count = controls_by_name (proc), 0
	for _ in pairs (names) do count = count + 1 end
	check (names["Insert FXC Ch.1"] and names["AUX 1 FXC Ch.1"] and names["AUX 2 FXC Ch.16"] and not names["RFU Ch.1"] and count >= 2314,
		"the effect-chain rows are named \"Insert FXC Ch.1\", \"AUX 1 FXC Ch.1\" ... (" .. count .. " distinct names)")

	-- Ardour sends the values of its parameter controls with the first block it has the plug-in
	-- process; a program recalled before that block would be overwritten by them.
	check (note_reaches_instrument (60), "Ardour runs the plug-in (a note played on the track reached the instrument)")

	-- The program recalled by its name, as Ardour finds presets: by the exact label.
	local plugin = proc:to_insert ():plugin (0)
	local preset = plugin:preset_by_label ("Rock")
	check (preset ~= nil and preset.label == "Rock", "a program is found by its name \"Rock\", without padding blanks")
	clear_log ()
	if preset then plugin:load_preset (preset) end
	check (wait_for (function () return logged_in_order (program_lines (rock)) end, 5), "recalling \"Rock\" sent its 16 channel programs")

	-- One row set once, another automated.
	local pan = control_named (proc, "Pan Ch.3")
	pan:set_value (pan:lower () + 0.75 * (pan:upper () - pan:lower ()), PBD.GroupControlDisposition.NoGroup)
	check (wait_for (function () return #address_values (3, pan_address) > 0 end, 5), "\"Pan Ch.3\" set by the host reached the instrument")

	local level = control_named (proc, "Level Ch.2")
	local al = level:alist ()
	local v = level:lower () + 0.25 * (level:upper () - level:lower ())
	al:add (Temporal.timepos_t (0), v, false, true)
	al:add (Temporal.timepos_t (Session:nominal_sample_rate ()), v, false, true)
	level:set_automation_state (ARDOUR.AutoState.Play)
	roll (1.0)
	check (wait_for (function () return #address_values (2, level_address) > 0 end, 5), "the automation of \"Level Ch.2\" played on the instrument")

	-- Notes from the track.
	check (note_reaches_instrument (62), "a note played on the track reached the instrument")

	local seen = host_values (proc)
	local pans, levels = address_values (3, pan_address), address_values (2, level_address)
	seen["instrument pan ch3"] = tostring (pans[#pans])
	seen["instrument level ch2"] = tostring (levels[#levels])
	write_seen (seen)
	for k, v in pairs (seen) do print ("    saved " .. k .. " = " .. v) end

	Session:save_state ("", false, false, false, false, false)
	pan = nil level = nil al = nil plugin = nil preset = nil proc = nil info = nil names = nil
else
	clear_log ()
	assert (load_session (folder, name), "the session does not open")
	local proc = the_processor ()
	check (on_line (), "the reopened plug-in found the emulator and went on line")
	local seen = read_seen ()
	local want = append (program_lines (rock), address_lines (3, pan_address, tonumber (seen["instrument pan ch3"]) or 99999))
	local got = wait_for (function () return logged_in_order (want) end, 10)
	check (got, "the instrument gets \"Rock\" again, then the pan the host had set (" .. tostring (seen["instrument pan ch3"]) .. ")")
	local levels = {}
	check (wait_for (function () levels = address_values (2, level_address) return levels[#levels] ~= nil and tostring (levels[#levels]) == seen["instrument level ch2"] end, 10),
		"and the automated level (" .. tostring (seen["instrument level ch2"]) .. ", got " .. tostring (levels[#levels]) .. ")")
	local now = host_values (proc)
	for label, value in pairs (now) do
		if plugin_type == "VST3" then
			check (value == seen[label], "the host reads \"" .. label .. "\" back as saved (" .. tostring (seen[label]) .. ", now " .. value .. ")")
		else
			-- Ardour's controls of an LV2's properties show what Ardour set, not what the plug-in reports.
			print ("  (Ardour shows \"" .. label .. "\" as " .. value .. "; saved " .. tostring (seen[label]) .. ")")
		end
	end
	proc = nil
end

collectgarbage ()
close_session ()
print (failures == 0 and "PASSED" or ("FAILED " .. failures))
